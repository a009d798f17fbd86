#include "quiz/AnswerCheck.h"

#include <algorithm>
#include <memory>

#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"
#include "text/CaseFold.h"
#include "text/Codec.h"
#include "text/Unicode.h"

int CompareOptions(const CLSVorelDataFile& doc, const CLSVorelSettings& settings) {
    if (settings.useDataComparison() && doc.currentTitle())
        return doc.currentTitle()->title().compareFlags;
    return settings.compareMode();
}

namespace {

unsigned char fold(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
}

bool matchesAt(std::string_view text, size_t pos, const CLSTString& key) {
    size_t n = static_cast<size_t>(key.length());
    if (n == 0 || n > text.size() - pos) return false;
    const char* k = key.text();
    // ASCII letters match without regard to case, every other character
    // exactly (no byte of a longer UTF-8 character is ASCII).
    for (size_t i = 0; i < n; ++i) {
        if (fold(static_cast<unsigned char>(text[pos + i])) !=
            fold(static_cast<unsigned char>(k[i])))
            return false;
    }
    return true;
}

}  // namespace

namespace {

// The table's keys by their first byte (letters folded), longest first, so
// that each position of a text looks at a handful of keys at most.
class VagueIndex {
  public:
    explicit VagueIndex(const CLSVagueTable& table) {
        for (const auto& [key, replacement] : table) {
            if (key.isEmpty()) continue;
            m_buckets[fold(static_cast<unsigned char>(key.text()[0]))].push_back(
                {&key, &replacement});
        }
        for (auto& bucket : m_buckets) {
            std::stable_sort(bucket.begin(), bucket.end(), [](const Entry& a, const Entry& b) {
                return a.key->length() > b.key->length();
            });
        }
    }

    CLSTString apply(const CLSTString& text) const {
        std::string_view v = text.view();
        std::string out;
        out.reserve(v.size());
        int len = text.length();
        int pos = 0;
        while (pos < len) {
            const Entry* best = nullptr;
            for (const Entry& e : m_buckets[fold(static_cast<unsigned char>(v[pos]))]) {
                if (matchesAt(v, pos, *e.key) && endsOnBoundary(text, pos, e.key->length())) {
                    best = &e;
                    break;  // longest first
                }
            }
            if (best) {
                out.append(best->replacement->view());
                pos += best->key->length();
            } else {
                int n = charLengthAt(text.text(), pos, len);
                out.append(text.text() + pos, n);
                pos += n;
            }
        }
        return CLSTString(out);
    }

  private:
    struct Entry {
        const CLSTString* key;
        const CLSTString* replacement;
    };

    static bool endsOnBoundary(const CLSTString& text, int pos, int length) {
        int end = pos;
        while (end < pos + length)
            end += charLengthAt(text.text(), end, text.length());
        return end == pos + length;
    }

    std::vector<Entry> m_buckets[256];
};

// typed: the learner's answer, which is compared in NFC. The accepted
// answers of a UTF-8 file are NFC already; those of a Shift-JIS file keep
// their compatibility kanji, which NFC would merge with other kanji.
void normalizeWith(CLSSentence& sentence, int options, const VagueIndex* vague, bool typed) {
    for (CLSSentenceItem& item : sentence.items()) {
        if (!item.isText()) continue;
        // Typed text meets the file's text as a Shift-JIS program read both.
        CLSTString run(FoldToCp932Forms(typed ? NormalizeNfc(item.string().view())
                                              : std::string(item.string().view())));
        if (options & kCompareIgnoreCase) {
            // toUpper keeps its own meaning (one-byte letters); judging
            // then folds the case of every script.
            run.toUpper();
            FoldCaseEveryScript(run);
        }
        if (options & kCompareIgnoreKana) run.toKatakana();
        if (options & kCompareIgnoreWidth) run.toHalfWidth();
        if (options & kCompareIgnoreSymbols) run.removeSymbols();
        if (options & kCompareVague) {
            // Accents of Latin and Greek letters count for nothing (é = e),
            // those of Cyrillic ones and the kana voicing marks do.
            run = CLSTString(StripLatinGreekMarks(run.view()));
            if (vague) run = vague->apply(run);
        }
        item.string().setText(run);
    }
    sentence.removeLineBreaks();
}

}  // namespace

CLSTString ApplyVagueTable(const CLSTString& text, const CLSVagueTable& vague) {
    return VagueIndex(vague).apply(text);
}

bool SameAnswer(const CLSSentence& a, const CLSSentence& b) {
    if (!a.hasObjects() && !b.hasObjects()) return a.equals(b);
    // Around objects the expansion of alternatives leaves empty runs that a
    // choice of the same picture does not have; they carry no meaning.
    CLSSentence x(a);
    CLSSentence y(b);
    x.normalize();
    y.normalize();
    return x.equals(y);
}

bool JudgeAnswers(const std::vector<CLSSentence>& given, int answerFieldCount,
                  const CLSSentenceArray& accepted, int options, const CLSVagueTable& vague) {
    std::unique_ptr<VagueIndex> index;
    if (options & kCompareVague) index = std::make_unique<VagueIndex>(vague);
    std::vector<CLSSentence> normalAccepted;
    normalAccepted.reserve(accepted.count());
    for (const CLSSentence& s : accepted) {
        normalAccepted.push_back(s);
        normalizeWith(normalAccepted.back(), options, index.get(), false);
    }
    int matched = 0;
    int unmatched = 0;
    for (const CLSSentence& answer : given) {
        CLSSentence normal(answer);
        normalizeWith(normal, options, index.get(), true);
        bool found = std::any_of(normalAccepted.begin(), normalAccepted.end(),
                                 [&](const CLSSentence& a) { return SameAnswer(normal, a); });
        if (found) {
            ++matched;
        } else {
            ++unmatched;
        }
    }
    return matched == answerFieldCount && unmatched == 0;
}
