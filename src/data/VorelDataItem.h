#pragma once

#include <memory>
#include <string>

#include "text/TString.h"
#include "text/TextEncoding.h"

class CLSVorelDataQuestion;

/// Kinds of document lines.
enum VorelLineKind {
    kLineNone = 0,
    kLineTitle = 1,
    kLineQuestion = 2,
    kLineComment = 15,
    kLineTimeLimit = 27,
    kLineQuestionShowTime = 28,
    kLineAnswerStartTime = 29,
    kLineInputFieldHeight = 30,
    kLineFontTitle = 49,
    kLineFontQuestion = 50,
    kLineFontHint = 51,
    kLineFontAnswer = 52,
    kLineFontComment = 54,
    kLineFontPrintTitle = 55,
    kLineFontPrintQuestion = 56,
    kLineFontPrintAnswer = 57,
    kLineFontPrintTitleNumber = 58,
    kLineFontPrintQuestionNumber = 59,
    kLineFontPrintAnswerNumber = 60,
};

inline bool IsFontKind(int kind) {
    return (kind & 0x20) != 0;
}
inline bool IsNumberKind(int kind) {
    return kind >= kLineTimeLimit && kind <= kLineInputFieldHeight;
}

/// The object of one line; each kind has its own class.
class CLSVorelDataLine {
  public:
    virtual ~CLSVorelDataLine() = default;
    virtual std::unique_ptr<CLSVorelDataLine> clone() const = 0;

    /// A line whose text does not give back the bytes it was read from
    /// (bytes that are not CP932, or CP932's NEC and IBM duplicate codes)
    /// keeps those bytes and the text it wrote as when read: while it still
    /// writes as that text, in the same encoding, the bytes are written.
    struct ReadBytes {
        std::string bytes;
        std::string asWritten;
        CLSTextEncoding encoding = CLSTextEncoding::kCp932;
    };
    std::shared_ptr<const ReadBytes> readBytes;
};

/// A title line: the heading of a section of questions and the comparison
/// options of its questions.
class CLSVorelDataTitle : public CLSVorelDataLine {
  public:
    enum CompareFlag {
        kIgnoreCase = 1,
        kIgnoreKana = 2,
        kIgnoreWidth = 4,
        kIgnoreSymbols = 8,
        kVague = 16,
    };

    CLSTString text;
    CLSTString comment;
    int choiceCount = 0;
    int compareFlags = 0;

    std::unique_ptr<CLSVorelDataLine> clone() const override {
        return std::make_unique<CLSVorelDataTitle>(*this);
    }
};

/// A comment line; also empty lines and lines that fit no grammar.
class CLSVorelDataComment : public CLSVorelDataLine {
  public:
    CLSVorelDataComment() = default;
    explicit CLSVorelDataComment(const CLSTString& t) : text(t) {}
    CLSTString text;
    /// The line as it was read, kept only where writing text would give
    /// other bytes: a line that fit no grammar (wholeLine), or a comment
    /// whose escapes were written another way. It is written back while
    /// text still reads from it.
    std::string readLine;
    bool wholeLine = false;

    std::unique_ptr<CLSVorelDataLine> clone() const override {
        return std::make_unique<CLSVorelDataComment>(*this);
    }
};

/// An integer setting line (time limit, show time, start delay, input height).
class CLSVorelDataNumber : public CLSVorelDataLine {
  public:
    int value = -1;  // -1 = not set
    CLSTString comment;

    std::unique_ptr<CLSVorelDataLine> clone() const override {
        return std::make_unique<CLSVorelDataNumber>(*this);
    }
};

/// A font setting line; unset parts fall back to the application's font.
class CLSVorelDataFont : public CLSVorelDataLine {
  public:
    int size = -1;
    int charset = -1;
    CLSTString faceName;
    CLSTString comment;

    std::unique_ptr<CLSVorelDataLine> clone() const override {
        return std::make_unique<CLSVorelDataFont>(*this);
    }
};

/// One line of the document: its kind and its object. Copies are deep.
class CLSVorelDataItem {
  public:
    CLSVorelDataItem(int kind, std::unique_ptr<CLSVorelDataLine> object);
    CLSVorelDataItem(const CLSVorelDataItem& other);
    CLSVorelDataItem& operator=(const CLSVorelDataItem& other);
    CLSVorelDataItem(CLSVorelDataItem&&) noexcept = default;
    CLSVorelDataItem& operator=(CLSVorelDataItem&&) noexcept = default;
    ~CLSVorelDataItem();

    static CLSVorelDataItem makeTitle(const CLSVorelDataTitle& title);
    static CLSVorelDataItem makeQuestion(const CLSVorelDataQuestion& question);
    static CLSVorelDataItem makeQuestion(CLSVorelDataQuestion&& question);
    static CLSVorelDataItem makeComment(const CLSTString& text);
    static CLSVorelDataItem makeComment(CLSVorelDataComment&& comment);
    static CLSVorelDataItem makeNumber(int kind, int value, const CLSTString& comment = {});
    static CLSVorelDataItem makeFont(int kind, const CLSVorelDataFont& font);

    int kind() const { return m_kind; }
    bool isQuestion() const { return m_kind == kLineQuestion; }
    bool isTitle() const { return m_kind == kLineTitle; }

    // Checked access: the wrong kind throws CLSError ("VRLFILE", code 8).
    const CLSVorelDataTitle& title() const;
    CLSVorelDataTitle& title();
    const CLSVorelDataQuestion& question() const;
    CLSVorelDataQuestion& question();
    const CLSVorelDataComment& comment() const;
    CLSVorelDataComment& comment();
    const CLSVorelDataNumber& number() const;
    CLSVorelDataNumber& number();
    const CLSVorelDataFont& font() const;
    CLSVorelDataFont& font();
    /// The line's object, of whatever kind (null for none).
    const CLSVorelDataLine* line() const { return m_object.get(); }
    CLSVorelDataLine* line() { return m_object.get(); }

  private:
    friend class CLSVorelDataFile;
    friend class CLSLineIndex;
    int m_kind;
    std::unique_ptr<CLSVorelDataLine> m_object;
    mutable int m_lineIndex = -1;  // kept by the document's index
};

/// Key of a setting line ("TimeLimit", "FontQuestion", …) of a kind, or null.
const char* SettingKeyOfKind(int kind);
