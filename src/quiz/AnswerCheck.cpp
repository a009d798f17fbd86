#include "quiz/AnswerCheck.h"

#include <algorithm>

#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"

int CompareOptions(const CLSVorelDataFile& doc, const CLSVorelSettings& settings) {
    if ((settings.useData() & 2) && doc.currentTitle())
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
    // One-byte letters match without regard to case; the bytes of two-byte
    // characters must match exactly (ウ and テ differ only in a letter-like byte).
    for (size_t i = 0; i < n;) {
        int len = charLengthAt(k, static_cast<int>(i), static_cast<int>(n));
        if (len == 2) {
            if (text[pos + i] != k[i] || text[pos + i + 1] != k[i + 1]) return false;
        } else if (fold(static_cast<unsigned char>(text[pos + i])) !=
                   fold(static_cast<unsigned char>(k[i]))) {
            return false;
        }
        i += len;
    }
    return true;
}

}  // namespace

CLSTString ApplyVagueTable(const CLSTString& text, const CLSVagueTable& vague) {
    if (vague.count() == 0 || text.isEmpty()) return text;
    std::string_view v = text.view();
    std::string out;
    out.reserve(v.size());
    int len = text.length();
    int pos = 0;
    while (pos < len) {
        const CLSTString* bestKey = nullptr;
        const CLSTString* bestReplacement = nullptr;
        for (const auto& [key, replacement] : vague) {
            if ((!bestKey || key.length() > bestKey->length()) && matchesAt(v, pos, key)) {
                bestKey = &key;
                bestReplacement = &replacement;
            }
        }
        // A key must end on a character boundary to count as a match.
        if (bestKey) {
            int end = pos;
            while (end < pos + bestKey->length())
                end += charLengthAt(text.text(), end, len);
            if (end != pos + bestKey->length()) bestKey = nullptr;
        }
        if (bestKey) {
            out.append(bestReplacement->view());
            pos += bestKey->length();
        } else {
            int n = charLengthAt(text.text(), pos, len);
            out.append(text.text() + pos, n);
            pos += n;
        }
    }
    return CLSTString(out);
}

void NormalizeForCompare(CLSSentence& sentence, int options, const CLSVagueTable& vague) {
    for (CLSSentenceItem& item : sentence.items()) {
        if (!item.isText()) continue;
        CLSTString run = item.string().text();
        if (options & kCompareIgnoreCase) run.toUpper();
        if (options & kCompareIgnoreKana) run.toKatakana();
        if (options & kCompareIgnoreWidth) run.toHalfWidth();
        if (options & kCompareIgnoreSymbols) run.removeSymbols();
        if (options & kCompareVague) run = ApplyVagueTable(run, vague);
        item.string().setText(run);
    }
    sentence.removeLineBreaks();
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
    std::vector<CLSSentence> normalAccepted;
    normalAccepted.reserve(accepted.count());
    for (const CLSSentence& s : accepted) {
        normalAccepted.push_back(s);
        NormalizeForCompare(normalAccepted.back(), options, vague);
    }
    int matched = 0;
    int unmatched = 0;
    for (const CLSSentence& answer : given) {
        CLSSentence normal(answer);
        NormalizeForCompare(normal, options, vague);
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
