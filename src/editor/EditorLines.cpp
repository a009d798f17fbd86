#include "editor/EditorLines.h"

#include <unordered_set>

#include "data/DataFileReader.h"
#include "data/DataFileWriter.h"
#include "data/ReviewLine.h"
#include "data/VorelDataFile.h"
#include "data/VorelDataQuestion.h"
#include "text/Error.h"
#include "text/Prompter.h"

// Pasting says nothing per line (SilentPrompter): the lines of unknown
// settings are kept as comments, where the learner sees them.

CLSVorelDataItem NewLine(int kind) {
    switch (kind) {
        case kLineTitle:
            return CLSVorelDataItem::makeTitle(CLSVorelDataTitle());
        case kLineQuestion:
            return CLSVorelDataItem::makeQuestion(CLSVorelDataQuestion());
        case kLineComment:
            return CLSVorelDataItem::makeComment(CLSTString());
        default:
            if (IsNumberKind(kind)) return CLSVorelDataItem::makeNumber(kind, -1);
            if (kind >= kLineFontTitle && kind <= kLineFontPrintAnswerNumber && kind != 53)
                return CLSVorelDataItem::makeFont(kind, CLSVorelDataFont());
            return CLSVorelDataItem(kLineNone, nullptr);
    }
}

CLSTString LinesText(const CLSVorelDataFile& doc, const std::vector<int>& lines) {
    std::string text;
    for (int i : lines) {
        const CLSVorelDataItem* line = doc.getLine(i);
        if (!line) continue;
        text.append(DataLineText(*line, DataFileVersion::kCurrent).view());
        text.append("\r\n");
        // The schedule goes with its question, through the clipboard too.
        if (std::string review = ReviewLineOf(*line, DataFileVersion::kCurrent); !review.empty())
            text.append(review).append("\r\n");
    }
    return CLSTString(text);
}

std::vector<CLSVorelDataItem> LinesFromText(const CLSTString& text, int historySize) {
    std::vector<CLSVorelDataItem> lines;
    std::string_view all = text.view();
    SilentPrompter quiet;
    CLSDataFileBody ignored;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find_first_of("\r\n", start);
        bool last = end == std::string_view::npos;
        if (last) end = all.size();
        std::string_view piece = all.substr(start, end - start);
        if (!last || !piece.empty()) {
            try {
                CLSVorelDataItem item = ParseDataFileLine(
                    CLSTString::fromBytes(piece.data(), static_cast<int>(piece.size())),
                    DataFileVersion::kCurrent, 0, historySize, quiet, ignored);
                if (item.kind() != kLineNone &&
                    !(!lines.empty() && TakeReviewLine(item, lines.back()))) {
                    lines.push_back(std::move(item));
                }
            } catch (const CLSError&) {
                // A piece the parser cannot take at all is skipped.
            }
        }
        if (last) break;
        start = end + 1;
        if (all[end] == '\r' && start < all.size() && all[start] == '\n') ++start;
    }
    return lines;
}

void RenewCopiedReviewIds(const CLSVorelDataFile& doc, std::vector<CLSVorelDataItem>& lines) {
    std::unordered_set<uint64_t> taken;
    for (int i = 0; i < doc.getItemCount(); ++i) {
        const CLSVorelDataItem* line = doc.getLine(i);
        if (line->isQuestion() && line->question().review())
            taken.insert(line->question().review()->id);
    }
    for (CLSVorelDataItem& line : lines) {
        if (!line.isQuestion() || !line.question().review()) continue;
        CLSReviewState state = *line.question().review();
        if (state.id == 0) continue;
        if (!taken.insert(state.id).second) {
            do {
                state.id = NewReviewId();
            } while (!taken.insert(state.id).second);
            line.question().setReview(state);
        }
    }
}
