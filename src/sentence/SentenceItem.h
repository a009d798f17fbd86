#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "text/TString.h"

/// A text run of a sentence. A run that was just parsed holds its text as
/// written, backslash escapes included. The bytes live in a compact string:
/// a large data file holds hundreds of thousands of runs.
class CLSSentenceItemString {
  public:
    CLSSentenceItemString() = default;
    explicit CLSSentenceItemString(std::string_view text) : m_text(text) {}

    CLSTString text() const { return CLSTString::fromBytes(m_text.data(), length()); }
    std::string_view view() const { return m_text; }
    int length() const { return static_cast<int>(m_text.size()); }
    void setText(std::string_view text) { m_text.assign(text); }
    void setText(const CLSTString& text) { m_text.assign(text.view()); }

  private:
    std::string m_text;
};

/// An embedded picture or video: the file name as written and the size and
/// playback attributes. Sizes are 0 for the default, -n for n percent.
/// Loading the medium belongs to the windows that show it.
class CLSSentenceItemObject {
  public:
    CLSTString fileName;
    int width = 0;
    int height = 0;
    int srcwidth = 0;
    int srcHeight = 0;
    int srcleft = 0;
    int srctop = 0;
    int loop = 0;  // plays of a video; -1 = endless
    int interval = 1;
    bool autoplay = true;
    bool showcontrol = false;

    /// Builds an object from the text between the quotes of \i"…": the file
    /// name, then "|key=value" attributes (unknown or malformed ones ignored).
    static CLSSentenceItemObject fromObjectText(const CLSTString& objectText);
    /// \i"name|attr=value…" with only the attributes that differ from their defaults.
    CLSTString toMarkup() const;
    /// Same file and the same six size attributes (playback does not count).
    bool equals(const CLSSentenceItemObject& other) const;

    // Sizes in pixels from the natural size of the loaded medium.
    int sourceLeft(int naturalWidth) const;
    int sourceTop(int naturalHeight) const;
    int sourceWidth(int naturalWidth) const;
    int sourceHeight(int naturalHeight) const;
    int viewWidth(int naturalWidth) const;
    int viewHeight(int naturalHeight) const;
};

/// One element of a sentence: a text run (kind 0) or an object (kind 1).
class CLSSentenceItem {
  public:
    enum Kind { kText = 0, kObject = 1 };

    explicit CLSSentenceItem(std::string_view text = {});
    explicit CLSSentenceItem(const CLSSentenceItemObject& object);
    CLSSentenceItem(const CLSSentenceItem& other);
    CLSSentenceItem(CLSSentenceItem&&) noexcept = default;
    CLSSentenceItem& operator=(const CLSSentenceItem& other);
    CLSSentenceItem& operator=(CLSSentenceItem&&) noexcept = default;

    int kind() const { return m_object ? kObject : kText; }
    bool isText() const { return !m_object; }
    bool isObject() const { return m_object != nullptr; }

    /// The run of a text item; throws CLSError ("SENTENCE", code 8) for an object.
    const CLSSentenceItemString& string() const;
    CLSSentenceItemString& string();
    /// The object of an object item; throws CLSError ("SENTENCE", code 8) for a run.
    const CLSSentenceItemObject& object() const;
    CLSSentenceItemObject& object();

    /// The run's text, or the object's markup.
    CLSTString markup() const;
    int markupLength() const;

  private:
    CLSSentenceItemString m_string;
    std::unique_ptr<CLSSentenceItemObject> m_object;
};
