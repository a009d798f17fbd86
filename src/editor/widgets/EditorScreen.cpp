#include "editor/widgets/EditorScreen.h"

#include <algorithm>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QResizeEvent>
#include <QTableView>

#include "data/DataFileWriter.h"
#include "data/VorelDataFile.h"
#include "editor/widgets/Card.h"
#include "editor/widgets/DlgFind.h"
#include "editor/widgets/LineListModel.h"
#include "editor/widgets/LineUndo.h"
#include "settings/SettingsKeys.h"
#include "settings/VorelSettings.h"
#include "text/Language.h"
#include "text/Prompter.h"
#include "text/widgets/CommandSet.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"
#include "text/widgets/StatusPart.h"
#include "text/widgets/WndSeparator.h"

namespace {

const char* kHelpText =
    QT_TRANSLATE_NOOP("CLSEditorScreen", "ヘルプを見るには F1 キーを押してください。");

// The line list. Rows are whole lines: Home and End go to the first and the
// last line (selecting as Up and Down do), in the first column, so the list
// never scrolls sideways away from the line numbers.
class LineListView : public QTableView {
  public:
    using QTableView::QTableView;

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        int rows = model() ? model()->rowCount() : 0;
        if ((action == MoveHome || action == MoveEnd) && rows > 0)
            return model()->index(action == MoveHome ? 0 : rows - 1, 0);
        return QTableView::moveCursor(action, modifiers);
    }
};

// Wide enough for a six-digit line number, with the cell's margins.
int lineNumberColumnWidth(const QTableView* list) {
    int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    return list->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 4 * margin + 2;
}

// Wide enough for the kind of a question line with a four-digit number.
int kindColumnWidth(const QTableView* list) {
    int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    QString kind = ToQString(std::string_view(Fill(VT("問題%1"), {"0000"})));
    return list->fontMetrics().horizontalAdvance(kind) + 4 * margin + 2;
}

}  // namespace

CLSEditorScreen::CLSEditorScreen(CLSVorelDataFile& doc, CLSVorelSettings& settings,
                                 Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_settings(settings), m_prompter(prompter) {
    m_model = new CLSLineListModel(doc, this);
    m_list = new LineListView(this);
    m_list->setAccessibleName(tr("行の一覧"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    m_list->setTabKeyNavigation(false);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->verticalHeader()->hide();
    // Rows of one height: a hundred thousand of them cost nothing to lay out.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
    m_list->horizontalHeader()->setStretchLastSection(false);
    m_list->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < 3; ++c) {
        int width = m_settings.editListColumnWidth(c);
        if (c == 0) width = std::max(width, lineNumberColumnWidth(m_list));
        // The stored widths were made for the Japanese kinds; other
        // languages' are often longer ("Question 12").
        if (c == 1 && !SpeaksNativeLanguage()) width = std::max(width, kindColumnWidth(m_list));
        if (width > 0) m_list->horizontalHeader()->resizeSection(c, width);
    }
    m_list->installEventFilter(this);
    m_separator = new CLSWndSeparator(this);
    m_separator->setAccessibleName(tr("一覧とカードの区切り"));
    m_card = new CLSCard(doc, settings, this);
    connect(m_separator, &CLSWndSeparator::moved, this, [this](int position) {
        m_settings.setEditListWidth(position);
        layOut();
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                lineFocused(current.isValid() ? current.row() : -1);
            });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CLSEditorScreen::updateCommands);
    connect(m_list, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
        if (m_list->indexAt(at).isValid()) showListMenu(m_list->viewport()->mapToGlobal(at));
    });
    connect(m_card, &CLSCard::commitRequested, this, &CLSEditorScreen::commitCard);
    connect(m_card, &CLSCard::titleRequested, this, [this] {
        const CLSVorelDataItem* title = m_doc.current() ? m_doc.titleOf(m_doc.current()) : nullptr;
        if (!title) return;
        // The title is gone to and selected; the other lines keep theirs.
        focusList();
        int line = m_doc.getLineNumber(title);
        std::vector<int> lines = selectedLines();
        auto at = std::lower_bound(lines.begin(), lines.end(), line);
        if (at == lines.end() || *at != line) lines.insert(at, line);
        applySelection(lines, line);
    });
    connect(m_card, &CLSCard::entryMenuRequested, this,
            [this](const QPoint& at) { m_entryMenu->exec(at); });
    connect(&m_undo, &QUndoStack::indexChanged, this, &CLSEditorScreen::updateCommands);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && isAncestorOf(now)) m_focus = now;
        if (isVisible()) updateCommands();
    });
    createCommands();
    createMenus();
}

CLSEditorScreen::~CLSEditorScreen() {
    // Fields losing the focus while everything goes write nothing back.
    disconnect(m_card, nullptr, this, nullptr);
    // Nor does the focus leaving controls that are being deleted.
    disconnect(qApp, nullptr, this, nullptr);
    storeWidths();
}

// ---- opening and closing -----------------------------------------------------------------

unsigned CLSEditorScreen::screenMask() const {
    return kEditorScreen;
}

void CLSEditorScreen::open() {
    resetView();
    focusList();
}

QWidget* CLSEditorScreen::focusedControl() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus)) return focus;
    return m_focus.data();
}

void CLSEditorScreen::focusList() {
    m_list->setFocus(Qt::OtherFocusReason);
    m_focus = m_list;
    updateCommands();
}

void CLSEditorScreen::close() {
    if (CLSDlgFind* find = CLSDlgFind::current(); find && find->parent() == this) find->close();
    commitCard();
    m_card->clear();
    storeWidths();
}

void CLSEditorScreen::documentLoading() {
    commitCard();
}

void CLSEditorScreen::documentLoaded() {
    // Undo steps belong to the document they were made in.
    m_undo.clear();
    if (isVisible()) {
        resetView();
    } else {
        m_card->clear();
        m_model->reset();
    }
}

void CLSEditorScreen::documentConverted() {
    m_undo.clear();
    int row = currentLine();
    m_card->clear();
    m_shownLine = -1;
    m_model->reset();
    if (m_doc.getItemCount() > 0) selectLine(std::clamp(row, 0, m_doc.getItemCount() - 1));
    updateCommands();
}

void CLSEditorScreen::resetView() {
    m_card->clear();
    m_shownLine = -1;
    m_model->reset();
    if (m_doc.getItemCount() > 0) {
        selectLine(0);
    } else {
        m_doc.setCurrentLine(-1);
    }
    emit statusChanged(StatusPart::kHelp, tr(kHelpText));
    showLineCounter();
    updateCommands();
}

void CLSEditorScreen::storeWidths() {
    // What the learner last saw is kept; a screen never shown keeps what
    // was stored.
    int shown = m_separator->shownPosition();
    if (shown < 0) return;
    for (int c = 0; c < 3; ++c)
        m_settings.setEditListColumnWidth(c, m_list->horizontalHeader()->sectionSize(c));
    m_settings.setEditListWidth(shown);
}

void CLSEditorScreen::applySettings() {
    if (m_doc.current()) m_card->showCurrent(true);
}

// ---- layout --------------------------------------------------------------------------------

void CLSEditorScreen::resizeEvent(QResizeEvent*) {
    layOut();
}

void CLSEditorScreen::layOut() {
    const int w = width();
    const int h = height();
    const int sep = m_separator->thickness();
    int scrollBar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int low = scrollBar + sep + 16;
    int high = std::max(low, w - sep - 70);
    int position =
        std::clamp(m_settings.paneSize(VorelSettingKeys::kEditListWidth, low), low, high);
    m_separator->setRange(low, high);
    m_separator->setExtent(0, h);
    m_separator->setPosition(position);
    m_list->setGeometry(0, 0, std::max(0, position - sep / 2), h);
    int cardLeft = position + (sep + 1) / 2;
    m_card->setGeometry(cardLeft, 0, std::max(0, w - cardLeft), h);
}

// ---- the list and the card -----------------------------------------------------------------

std::vector<int> CLSEditorScreen::selectedLines() const {
    // From the selection's ranges: selecting every row of a large file
    // stays cheap.
    std::vector<int> lines;
    for (const QItemSelectionRange& range : m_list->selectionModel()->selection()) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            lines.push_back(r);
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

int CLSEditorScreen::currentLine() const {
    QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CLSEditorScreen::selectLine(int line) {
    if (line < 0 || line >= m_model->rowCount()) return;
    applySelection({line}, line);
}

void CLSEditorScreen::applySelection(const std::vector<int>& lines, int current) {
    QItemSelection selection;
    for (size_t i = 0; i < lines.size();) {
        size_t j = i;
        while (j + 1 < lines.size() && lines[j + 1] == lines[j] + 1)
            ++j;
        selection.select(m_model->index(lines[i], 0), m_model->index(lines[j], 2));
        i = j + 1;
    }
    QItemSelectionModel* model = m_list->selectionModel();
    if (current >= 0 && current < m_model->rowCount()) {
        model->setCurrentIndex(m_model->index(current, 0), QItemSelectionModel::NoUpdate);
        m_list->scrollTo(m_model->index(current, 0));
    }
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    // The card follows the current row even when it stayed the same row.
    lineFocused(current);
}

void CLSEditorScreen::lineFocused(int row) {
    if (m_erasing) return;
    if (row < 0 || row >= m_doc.getItemCount()) {
        m_card->clear();
        m_shownLine = -1;
        showLineCounter();
        return;
    }
    bool sameLine = row == m_shownLine && m_doc.getLine(row) == m_doc.current();
    m_doc.setCurrentLine(row);
    m_shownLine = row;
    m_card->showCurrent(sameLine);
    showLineCounter();
    updateCommands();
}

void CLSEditorScreen::showLineCounter() {
    int line = currentLine();
    emit statusChanged(StatusPart::kPosition,
                       line < 0
                           ? QString()
                           : QStringLiteral("%1 / %2").arg(line + 2).arg(m_doc.getItemCount() + 1));
}

void CLSEditorScreen::commitCard() {
    CLSCardPage* page = m_card->page();
    const CLSVorelDataItem* line = m_doc.current();
    if (!page || !line || m_committing) return;
    // The card writes back only into a line of its own kind.
    if (CardKindOf(line->kind()) != m_card->kind()) return;
    int index = m_doc.getLineNumber(line);
    if (index < 0) return;
    m_committing = true;
    CLSVorelDataItem edited = page->editedLine(*line);
    CLSTString refusal = page->takeRefusal();
    int version = m_doc.getVersion();
    // Only what changes the line's text is a change: fields left as they
    // were keep the text they were read from.
    CLSTString editedText = DataLineText(edited, version);
    if (editedText != DataLineText(*line, version) && !m_doc.acceptsText(editedText.view())) {
        // Declined: the card shows the line as it is.
        m_committing = false;
        m_card->showCurrent(true);
        return;
    }
    if (editedText != DataLineText(*line, version)) {
        // The lines selected in the list stay selected.
        pushChange(tr("カードの編集"), CLSLineChange::replacing(index, std::move(edited)),
                   selectedLines(), index);
    }
    m_committing = false;
    if (!refusal.isEmpty()) {
        // The card shows the value that was kept.
        m_prompter.message(PromptIcon::Warning, refusal);
        m_card->showCurrent(true);
    }
}

void CLSEditorScreen::pushChange(const QString& text, CLSLineChange change, std::vector<int> select,
                                 int current, bool focusCard) {
    if (change.isEmpty()) return;
    CLSLineSelection before{selectedLines(), currentLine()};
    m_undo.push(new CLSLineCommand(
        text, m_doc, std::move(change), std::move(before), {std::move(select), current},
        [this](const CLSLineChange& c, bool undone, const CLSLineSelection& selection) {
            changeDone(c, undone, selection);
        }));
    if (focusCard && m_card->page()) m_card->page()->focusFirstField();
}

void CLSEditorScreen::changeDone(const CLSLineChange& change, bool undone,
                                 const CLSLineSelection& selection) {
    if (change.isReplacement() && change.removedLines().empty() && change.addedLines().empty()) {
        m_model->rowsChangedFrom(change.firstLine());
    } else if (change.isMove()) {
        // Row counts stay; the rows between the first and the last moved
        // line show other lines (titles keep their numbers outside them).
        const std::vector<int>& a = change.removedLines();
        const std::vector<int>& b = change.addedLines();
        m_model->rowsChanged(std::min(a.front(), b.front()), std::max(a.back(), b.back()));
    } else if (undone) {
        m_model->linesMoved(change.addedLines(), change.removedLines());
    } else {
        m_model->linesMoved(change.removedLines(), change.addedLines());
    }
    const int rows = m_doc.getItemCount();
    std::vector<int> select = selection.lines;
    select.erase(std::lower_bound(select.begin(), select.end(), rows), select.end());
    int current = selection.current;
    if (current < 0)
        current = select.empty() ? std::min(change.firstLine(), m_doc.getItemCount() - 1)
                                 : select.front();
    current = std::min(current, m_doc.getItemCount() - 1);
    if (m_doc.getItemCount() == 0) {
        m_card->clear();
        m_shownLine = -1;
        showLineCounter();
        updateCommands();
        return;
    }
    if (select.empty() && current >= 0) select = {current};
    // The card shows the line again: after an edit of its own line it keeps
    // its list selections.
    m_shownLine = current == m_shownLine && change.isReplacement() ? current : -1;
    applySelection(select, current);
}

int CLSEditorScreen::helpTopic() const {
    QWidget* focus = focusedControl();
    CLSCardPage* page = m_card->page();
    if (page && focus && page->isAncestorOf(focus)) return page->helpTopic();
    return kHelpEditor;
}

bool CLSEditorScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::FocusIn) updateCommands();
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        // Ctrl+Home and Ctrl+End are Home and End: the line gone to is the
        // line selected, never a focus apart from the selection.
        auto* key = static_cast<QKeyEvent*>(event);
        // Shift+F10 opens the list's menu, as the menu key does.
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            QModelIndex current = m_list->currentIndex();
            if (current.isValid()) {
                QRect row = m_list->visualRect(m_model->index(current.row(), 0));
                showListMenu(m_list->viewport()->mapToGlobal(row.center()));
            }
            return true;
        }
        if ((key->key() == Qt::Key_Home || key->key() == Qt::Key_End) &&
            (key->modifiers() & Qt::ControlModifier)) {
            QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ControlModifier);
            QApplication::sendEvent(m_list, &plain);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
