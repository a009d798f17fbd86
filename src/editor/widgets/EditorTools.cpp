// The editor's tools on many lines: find, conditional select, sort, group
// change, clearing histories and swapping question and answer. Each change
// is one step on the undo stack.

#include <QApplication>
#include <QTableView>

#include "data/VorelDataFile.h"
#include "editor/QuestionTools.h"
#include "editor/widgets/DlgFind.h"
#include "editor/widgets/DlgSelectWhere.h"
#include "editor/widgets/EditorScreen.h"
#include "editor/widgets/QuestionToolDialogs.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Prompter.h"
#include "text/widgets/QtText.h"

namespace {

// The wait cursor while a tool works through many lines.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

void CLSEditorScreen::openFind() {
    CLSDlgFind::open(this, m_settings, [this](bool forward) { findNext(forward); });
}

void CLSEditorScreen::findNext(bool forward) {
    if (SharedFindText().isEmpty()) {
        openFind();
        return;
    }
    int from = currentLine();
    if (from < 0) return;
    int found = FindLine(m_doc, from, forward, SharedFindText(), SharedFindTargets(m_settings));
    if (found < 0) {
        ReportFindEnd(this);
        return;
    }
    applySelection({found}, found);
}

void CLSEditorScreen::selectWhere() {
    CLSDlgSelectWhere dialog(m_doc, m_settings, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.request()) return;
    const CLSSelectRequest& r = *dialog.request();
    std::vector<int> selected = SelectLines(m_doc, r.lines, r.condition, r.action, selectedLines());
    // The focused row and its card stay as they were.
    applySelection(selected, currentLine());
    focusList();
}

std::vector<int> CLSEditorScreen::selectedQuestionsOrSay() {
    std::vector<int> questions = SelectedQuestions(m_doc, selectedLines());
    if (questions.empty())
        m_prompter.message(PromptIcon::Warning, FromQStringWhole(tr("問題が選択されていません。")));
    return questions;
}

void CLSEditorScreen::sortSelected() {
    std::vector<int> questions = selectedQuestionsOrSay();
    if (questions.empty()) return;
    std::optional<std::pair<CLSSortKey, CLSSortKey>> keys = AskSortKeys(this);
    focusList();
    if (!keys || m_doc.getQuestionCount() < 2) return;
    WaitCursor wait;
    CLSLineChange change = SortChange(m_doc, questions, keys->first, keys->second);
    // Only the questions stay selected, sorted or not.
    if (change.isEmpty()) {
        applySelection(questions, currentLine());
        return;
    }
    pushChange(tr("問題の並べ替え"), std::move(change), questions, currentLine());
}

void CLSEditorScreen::changeGroup() {
    std::vector<int> questions = selectedQuestionsOrSay();
    if (questions.empty()) return;
    std::optional<int> group = AskGroup(this, m_doc);
    focusList();
    if (!group) return;
    pushChange(tr("グループ変更"), GroupChange(m_doc, questions, *group), selectedLines(),
               currentLine());
}

void CLSEditorScreen::clearHistory() {
    std::vector<int> questions = selectedQuestionsOrSay();
    if (questions.empty()) return;
    bool yes = m_prompter.askYesNo(
        PromptIcon::Question,
        FromQStringWhole(tr("選択されている問題の正誤履歴をクリアします。よろしいですか？")));
    focusList();
    if (!yes) return;
    pushChange(tr("正誤履歴のクリア"), ClearHistoryChange(m_doc, questions), selectedLines(),
               currentLine());
}

void CLSEditorScreen::swapSelected() {
    std::vector<int> questions = selectedQuestionsOrSay();
    if (questions.empty()) return;
    std::optional<CLSSwapOptions> options = AskSwapOptions(this, m_doc);
    focusList();
    if (!options) return;
    WaitCursor wait;
    CLSLineChange change = SwapChange(m_doc, questions, *options);
    if (options->append) {
        // The new questions follow the last line; the last of them is shown.
        int last = m_doc.getItemCount() + static_cast<int>(questions.size()) - 1;
        pushChange(tr("問題と答えの入れ替え"), std::move(change), {last}, last);
    } else {
        pushChange(tr("問題と答えの入れ替え"), std::move(change), selectedLines(), currentLine());
    }
}
