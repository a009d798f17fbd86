#pragma once

#include <vector>

#include "sentence/SentenceItem.h"
#include "text/TString.h"

class CLSSentenceArray;

/// The items of a sentence, in order.
class CLSSentenceItemArray {
  public:
    int count() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    /// Throws CLSError ("SENTENCE", code 11) for an index outside the array.
    const CLSSentenceItem& at(int index) const;
    CLSSentenceItem& at(int index);
    void add(CLSSentenceItem item) { m_items.push_back(std::move(item)); }
    void insert(int index, CLSSentenceItem item);
    void remove(int index);
    void clear() { m_items.clear(); }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }

  private:
    std::vector<CLSSentenceItem> m_items;
};

/// A marked-up text: text runs and embedded picture and video objects.
/// Copies are deep. After parse and concatenation a sentence is normal: no
/// two runs adjacent, no empty run, no object without a file name.
class CLSSentence {
  public:
    CLSSentence() = default;
    explicit CLSSentence(const CLSTString& markup) { parse(markup); }

    /// Replaces the items with those of the marked-up text; runs keep their escapes.
    void parse(const CLSTString& markup);
    void parse(std::string_view markup);
    /// Runs escaped for the data file, objects as markup.
    CLSTString toMarkup() const;
    void appendMarkup(std::string& out) const;
    /// Runs as stored, objects as markup.
    CLSTString toText() const;
    /// Sum of run lengths and object markup lengths; 0 = an empty field.
    int markupLength() const;
    /// Cuts at unescaped separators; pieces are not normalised (a cut run
    /// leaves a run even when empty). limit 0 = no limit.
    CLSSentenceArray divide(char separator, char escapeChar, int limit = 0) const;
    void unescape();
    void removeLineBreaks();
    void replaceText(const char* oldText, const char* newText);
    /// Same item count, kinds and contents (objects by name and size only).
    bool equals(const CLSSentence& other) const;
    /// Appends other's items and normalises.
    CLSSentence& append(const CLSSentence& other);
    /// Merges adjacent runs, drops empty runs and nameless objects.
    void normalize();
    bool isNormal() const;

    const CLSSentenceItemArray& items() const { return m_items; }
    CLSSentenceItemArray& items() { return m_items; }
    int count() const { return m_items.count(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const CLSSentenceItem& item(int index) const { return m_items.at(index); }
    /// Appends a run (not normalised).
    void addText(std::string_view text) { m_items.add(CLSSentenceItem(text)); }
    void addObject(const CLSSentenceItemObject& object) { m_items.add(CLSSentenceItem(object)); }
    bool hasObjects() const;

  private:
    CLSSentenceItemArray m_items;
};

CLSSentence operator+(const CLSSentence& a, const CLSSentence& b);

/// An ordered list of sentences (the hints, answers or choices of a question).
class CLSSentenceArray {
  public:
    int count() const { return static_cast<int>(m_sentences.size()); }
    bool isEmpty() const { return m_sentences.empty(); }
    /// Throws CLSError ("SENTENCE", code 11) for an index outside the array.
    const CLSSentence& at(int index) const;
    CLSSentence& at(int index);
    const CLSSentence& operator[](int index) const { return at(index); }
    CLSSentence& operator[](int index) { return at(index); }
    void add(CLSSentence sentence) { m_sentences.push_back(std::move(sentence)); }
    void insert(int index, CLSSentence sentence);
    void remove(int index);
    void clear() { m_sentences.clear(); }
    /// toMarkup of each sentence, separated by separator.
    CLSTString join(char separator) const;
    void appendJoined(std::string& out, char separator) const;
    void shrink() { m_sentences.shrink_to_fit(); }

    auto begin() const { return m_sentences.begin(); }
    auto end() const { return m_sentences.end(); }
    auto begin() { return m_sentences.begin(); }
    auto end() { return m_sentences.end(); }

  private:
    std::vector<CLSSentence> m_sentences;
};

/// The next object marker (\i"…" or \m"…" with a non-empty object text) at
/// or after from: begin is its backslash, end the byte after its closing
/// quote. false when there is none. Markup is cut into fields around these.
bool FindObjectMarkup(std::string_view text, int from, int& begin, int& end);

/// Why ExpandAlternatives gave an empty list.
enum class CLSExpandFailure { kNone, kUnbalanced, kTooManyAlternatives, kTooLong, kTooComplex };

/// Why a field has no answers, in the program's words (UTF-8); "" for kNone.
const char* ExpandFailureText(CLSExpandFailure failure);

/// Expands the bracket-and-bar notation of an answer or choice field into
/// every accepted answer, in order, runs unescaped. An unbalanced field, or
/// one that would give more than kMaxAlternatives answers (with or without
/// brackets), or whose working text (every alternative so far, objects
/// counted by their markup) would grow beyond kMaxExpansionBytes, gives an
/// empty list, and failure (when given) says which. Takes time linear in
/// the field and its answers, except for the few fields that need the
/// rewriting step by step (see ExpandAlternativesStepwise).
CLSSentenceArray ExpandAlternatives(const CLSSentence& sentence,
                                    CLSExpandFailure* failure = nullptr);

/// The same by the notation's rewriting, step by step: what
/// ExpandAlternatives takes for the fields a walk over their brackets
/// cannot expand exactly (an escaped bracket or bar where the rewriting
/// counts it, a backslash at its very end), and the reference it is checked against. Takes
/// quadratic time on deep nesting, so a field whose rewriting would scan
/// and copy more than 64 Mi cells in all gives no answers (kTooComplex).
CLSSentenceArray ExpandAlternativesStepwise(const CLSSentence& sentence,
                                            CLSExpandFailure* failure = nullptr);

/// A sentence as a text field edits it: its text with LF line ends and its
/// pictures and videos as their markup (\i"name|…").
CLSTString SentenceEditText(const CLSSentence& sentence);
/// What a text field holds, back as a sentence: LF line ends become CR LF,
/// object markup becomes objects, everything else is text as typed.
CLSSentence SentenceFromEditText(const CLSTString& text);

constexpr int kMaxAlternatives = 10000;
constexpr int kMaxExpansionBytes = 1024 * 1024;
