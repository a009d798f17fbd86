// The editor's commands: each declared once with its texts, key, picture,
// menu place and toolbar place and what it does; EditorRules.h enables them.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableView>
#include <set>

#include "data/VorelDataFile.h"
#include "editor/EditorCommandIds.h"
#include "editor/EditorLines.h"
#include "editor/QuestionTools.h"
#include "editor/widgets/Card.h"
#include "editor/widgets/CardQuestion.h"
#include "editor/widgets/EditorDialogs.h"
#include "editor/widgets/EditorScreen.h"
#include "editor/widgets/LineListModel.h"
#include "editor/widgets/LineUndo.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"
#include "text/Paths.h"
#include "text/Prompter.h"
#include "text/widgets/CommandMenus.h"
#include "text/widgets/CommandSet.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TextFromUser.h"

using namespace EditorCommand;

namespace {

// The text field a command acts on: the focused QLineEdit or QPlainTextEdit.
struct Field {
    QLineEdit* line = nullptr;
    QPlainTextEdit* plain = nullptr;
    explicit operator bool() const { return line || plain; }
    bool readOnly() const { return line ? line->isReadOnly() : plain->isReadOnly(); }
    bool canUndo() const {
        return line ? line->isUndoAvailable() : plain->document()->isUndoAvailable();
    }
    bool canRedo() const {
        return line ? line->isRedoAvailable() : plain->document()->isRedoAvailable();
    }
    bool hasSelection() const {
        return line ? line->hasSelectedText() : plain->textCursor().hasSelection();
    }
};

Field fieldOf(QWidget* widget) {
    Field f;
    f.line = qobject_cast<QLineEdit*>(widget);
    if (!f.line) f.plain = qobject_cast<QPlainTextEdit*>(widget);
    return f;
}

}  // namespace

void CLSEditorScreen::createCommands() {
    m_commands = new CLSCommandSet(this, m_prompter);
    CLSCommandSet& c = *m_commands;
    // Everything is enabled by the editor's rules, worked out at once for all.
    c.setEnabledIds([this] { return EnabledEditorCommands(currentState()); });
    auto field = [this](int id) { return [this, id] { fieldCommand(id); }; };
    // Whatever starts a command, what is typed into the card goes into the
    // line first; only the commands that work inside the focused field leave
    // it being typed.
    c.setBeforeEachCommand([this](int id) {
        if (!actsOnFocusedField(id)) commitCard();
    });
    constexpr CLSMenu kEdit = CLSMenu::kEdit, kCard = CLSMenu::kCard;
    // The command set shows the declarations' Japanese texts translated.
    auto add = [&c](const CLSCommandDeclaration& command, std::function<void()> run) {
        c.add(command, std::move(run));
    };

    const CLSCommandDeclaration fieldCommands[] = {
        {.id = kUndo,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "元に戻す(&U)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "元に戻す"),
         .shortcut = "Ctrl+Z",
         .icon = "undo",
         .menu = {kEdit, 101},
         .toolbar = {201}},
        {.id = kRedo,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "やり直し(&R)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "やり直し"),
         .shortcut = "Ctrl+Y",
         .icon = "redo",
         .menu = {kEdit, 102}},
        {.id = kCut,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "切り取り(&T)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "切り取り"),
         .shortcut = "Ctrl+X",
         .icon = "cut",
         .menu = {kEdit, 201},
         .toolbar = {202}},
        {.id = kCopy,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "コピー(&C)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "コピー"),
         .shortcut = "Ctrl+C",
         .icon = "copy",
         .menu = {kEdit, 202},
         .toolbar = {203}},
        {.id = kPaste,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "貼り付け(&P)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "貼り付け"),
         .shortcut = "Ctrl+V",
         .icon = "paste",
         .menu = {kEdit, 203},
         .toolbar = {204}},
        {.id = kDelete,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "削除(&D)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "削除"),
         .shortcut = "Del",
         .icon = "delete",
         .menu = {kEdit, 204},
         .toolbar = {205}},
        {.id = kSelectAll,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "すべて選択(&A)"),
         .shortcut = "Ctrl+A",
         .menu = {kEdit, 301}},
    };
    for (const CLSCommandDeclaration& command : fieldCommands)
        add(command, field(command.id));
    add({.id = kFind,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "検索(&F)..."),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "検索"),
         .shortcut = "Ctrl+F",
         .icon = "find",
         .menu = {kEdit, 401},
         .toolbar = {301}},
        [this] { openFind(); });
    add({.id = kFindNext,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "次を検索(&N)"),
         .shortcut = "F3",
         .menu = {kEdit, 402}},
        [this] { findNext(true); });
    add({.id = kFindPrevious,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "前を検索(&V)"),
         .shortcut = "Shift+F3",
         .menu = {kEdit, 403}},
        [this] { findNext(false); });
    add({.id = kInsertMedia,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "画像/サウンド/ビデオを挿入(&I)..."),
         .shortcut = "Ctrl+M",
         .menu = {kEdit, 501}},
        [this] { insertMedia(); });

    add({.id = kAddTitle,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "タイトルを追加(&T)"),
         .menu = {kCard, 101}},
        [this] { addLine(kLineTitle, true); });
    add({.id = kAddQuestion,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "問題を追加(&Q)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "問題を追加"),
         .shortcut = "Ctrl+Q",
         .icon = "add-question",
         .menu = {kCard, 102},
         .toolbar = {401}},
        [this] { addLine(kLineQuestion, true); });
    constexpr CLSMenu kInsert = CLSMenu::kInsert;
    const CLSCommandDeclaration inserts[] = {
        {.id = kInsertTitle,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "タイトル(&T)"),
         .menu = {kInsert, 101}},
        // Ins inserts a question where the learner stands; its button drops
        // down every kind of line.
        {.id = kInsertQuestion,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "問題(&Q)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "カードを挿入"),
         .shortcut = "Ins",
         .icon = "insert-card",
         .menu = {kInsert, 102},
         .toolbar = {402, kEveryScreen, kInsert}},
        {.id = kInsertComment,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "コメント(&C)"),
         .menu = {kInsert, 103}},
        {.id = kInsertTimeLimit,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "制限時間(&L)"),
         .menu = {kInsert, 201}},
        {.id = kInsertShowTime,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "問題表示時間(&S)"),
         .menu = {kInsert, 202}},
        {.id = kInsertStartTime,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "解答開始時間(&A)"),
         .menu = {kInsert, 203}},
        {.id = kInsertInputHeight,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "答え入力欄の高さ(&H)"),
         .menu = {kInsert, 204}},
        {.id = kInsertTitleFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "タイトルフォント(&1)"),
         .menu = {kInsert, 301}},
        {.id = kInsertQuestionFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "問題フォント(&2)"),
         .menu = {kInsert, 302}},
        {.id = kInsertHintFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "ヒントフォント(&3)"),
         .menu = {kInsert, 303}},
        {.id = kInsertAnswerFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "答えフォント(&4)"),
         .menu = {kInsert, 304}},
        {.id = kInsertCommentFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "コメントフォント(&5)"),
         .menu = {kInsert, 305}},
        {.id = kInsertPrintTitleFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷タイトルフォント"),
         .menu = {kInsert, 401}},
        {.id = kInsertPrintQuestionFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷問題フォント"),
         .menu = {kInsert, 402}},
        {.id = kInsertPrintAnswerFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷答えフォント"),
         .menu = {kInsert, 403}},
        {.id = kInsertPrintTitleNumberFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷タイトル番号フォント"),
         .menu = {kInsert, 404}},
        {.id = kInsertPrintQuestionNumberFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷問題番号フォント"),
         .menu = {kInsert, 405}},
        {.id = kInsertPrintAnswerNumberFont,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "印刷答え番号フォント"),
         .menu = {kInsert, 406}},
    };
    for (const CLSCommandDeclaration& insert : inserts) {
        int kind = InsertedLineKind(insert.id);
        add(insert, [this, kind] { addLine(kind, false); });
    }
    add({.id = kCardDelete,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "削除(&D)"),
         .menu = {kCard, 104}},
        [this] { eraseSelected(tr("行の削除")); });
    add({.id = kGroupNames,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "グループ名編集(&G)..."),
         .menu = {kCard, 201}},
        [this] { editGroupNames(); });
    add({.id = kMessage,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "メッセージ編集(&M)..."),
         .menu = {kCard, 202}},
        [this] { editMessage(); });
    add({.id = kSelectWhere,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "条件選択(&S)..."),
         .menu = {kCard, 301}},
        [this] { selectWhere(); });
    add({.id = kInvertSelection,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "選択の反転(&V)"),
         .menu = {kCard, 302}},
        [this] { invertSelection(); });
    add({.id = kMoveUp,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "前へ(&U)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "カードを上へ移動"),
         .shortcut = "Ctrl+Up",
         .icon = "move-up",
         .menu = {kCard, 401},
         .toolbar = {403}},
        [this] { moveSelected(true); });
    add({.id = kMoveDown,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "次へ(&N)"),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "カードを下へ移動"),
         .shortcut = "Ctrl+Down",
         .icon = "move-down",
         .menu = {kCard, 402},
         .toolbar = {404}},
        [this] { moveSelected(false); });
    add({.id = kSort,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "問題の並べ替え(&O)..."),
         .tip = QT_TRANSLATE_NOOP("CLSCommandSet", "問題の並べ替え"),
         .icon = "sort",
         .menu = {kCard, 501},
         .toolbar = {405}},
        [this] { sortSelected(); });
    add({.id = kChangeGroup,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "グループ変更(&R)..."),
         .menu = {kCard, 502}},
        [this] { changeGroup(); });
    add({.id = kClearHistory,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "正誤履歴のクリア(&H)..."),
         .menu = {kCard, 503}},
        [this] { clearHistory(); });
    add({.id = kMarkOn,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "チェックをつける(&C)"),
         .menu = {CLSMenu::kMark, 101}},
        [this] { setMarks(true); });
    add({.id = kMarkOff,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "チェックをはずす(&U)"),
         .menu = {CLSMenu::kMark, 102}},
        [this] { setMarks(false); });
    add({.id = kSwap,
         .text = QT_TRANSLATE_NOOP("CLSCommandSet", "問題と答えの入れ替え(&A)..."),
         .menu = {kCard, 505}},
        [this] { swapSelected(); });
    connect(m_commands, &CLSCommandSet::commandRan, this, &CLSEditorScreen::commandsChanged);
}

void CLSEditorScreen::createMenus() {
    m_entryMenu = new QMenu(this);
    m_entryMenu->addAction(tr("削除(&D)"), this, [this] { m_commands->trigger(kDelete); });
}

// ---- command states --------------------------------------------------------------------------

CLSEditorState CLSEditorScreen::currentState() const {
    CLSEditorState s;
    QWidget* focus = focusedControl();
    CLSCardPage* page = m_card->page();
    if (focus == m_list) {
        s.focus = EditorFocus::kList;
    } else if (page && page->isTextField(focus)) {
        Field f = fieldOf(focus);
        s.focus = EditorFocus::kTextField;
        if (f) {
            s.fieldCanUndo = f.canUndo();
            s.fieldHasSelection = f.hasSelection();
            s.fieldReadOnly = f.readOnly();
        }
        s.questionCard = m_card->kind() == kLineQuestion;
    } else if (page && page->isEntryList(focus)) {
        s.focus = EditorFocus::kCardList;
    } else {
        s.focus = EditorFocus::kOther;
    }
    s.rows = m_doc.getItemCount();
    const QItemSelection selection = m_list->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection)
        s.selected += range.height();
    if (s.rows > 0) {
        s.firstSelected = m_list->selectionModel()->isRowSelected(0, QModelIndex());
        s.lastSelected = m_list->selectionModel()->isRowSelected(s.rows - 1, QModelIndex());
    }
    s.canUndoLines = m_undo.canUndo();
    s.canRedoLines = m_undo.canRedo();
    // In a text field undo and redo are the field's own.
    if (s.focus == EditorFocus::kTextField) {
        Field f = fieldOf(focus);
        s.canRedoLines = f && f.canRedo();
    }
    s.version = m_doc.getVersion();
    return s;
}

void CLSEditorScreen::updateCommands() {
    m_commands->update();
    emit commandsChanged();
}

// ---- edit commands: the list, or the focused text field ---------------------------------

bool CLSEditorScreen::actsOnFocusedField(int command) const {
    static const std::set<int> fieldCommands = {kUndo,  kRedo,   kCut,       kCopy,
                                                kPaste, kDelete, kSelectAll, kInsertMedia};
    CLSCardPage* page = m_card->page();
    return fieldCommands.count(command) > 0 && page && page->isTextField(focusedControl());
}

bool CLSEditorScreen::fieldCommand(int command) {
    QWidget* focus = focusedControl();
    CLSCardPage* page = m_card->page();
    Field f = page && page->isTextField(focus) ? fieldOf(focus) : Field();
    if (f) {
        switch (command) {
            case kUndo:
                f.line ? f.line->undo() : f.plain->undo();
                break;
            case kRedo:
                f.line ? f.line->redo() : f.plain->redo();
                break;
            case kCut:
                f.line ? f.line->cut() : f.plain->cut();
                break;
            case kCopy:
                f.line ? f.line->copy() : f.plain->copy();
                break;
            case kPaste:
                f.line ? f.line->paste() : f.plain->paste();
                break;
            case kDelete:
                if (f.line) {
                    f.line->del();
                } else {
                    f.plain->textCursor().removeSelectedText();
                }
                break;
            case kSelectAll:
                f.line ? f.line->selectAll() : f.plain->selectAll();
                break;
            default:
                return false;
        }
        return true;
    }
    if (page && page->isEntryList(focus) && command == kDelete) {
        page->emptyEntryOf(focus);
        return true;
    }
    // The list: every command that works on it first lets the card write back.
    focusList();
    switch (command) {
        case kUndo:
            m_undo.undo();
            return true;
        case kRedo:
            m_undo.redo();
            return true;
        case kCut:
            copySelected();
            eraseSelected(tr("切り取り"));
            return true;
        case kCopy:
            copySelected();
            return true;
        case kPaste:
            paste();
            return true;
        case kDelete:
            eraseSelected(tr("行の削除"));
            return true;
        case kSelectAll:
            m_list->selectAll();
            return true;
        default:
            return false;
    }
}

// ---- line commands ---------------------------------------------------------------------------

void CLSEditorScreen::addLine(int kind, bool atEnd) {
    focusList();
    CLSVorelDataItem line = NewLine(kind);
    if (line.kind() == kLineNone) return;
    // An insertion goes before the current line, taking its place.
    int at = atEnd || currentLine() < 0 ? m_doc.getItemCount() : currentLine();
    std::vector<std::pair<int, CLSVorelDataItem>> added;
    added.emplace_back(at, std::move(line));
    pushChange(atEnd ? tr("行の追加") : tr("行の挿入"), CLSLineChange({}, std::move(added)), {at},
               at, true);
}

void CLSEditorScreen::eraseSelected(const QString& undoText) {
    focusList();
    std::vector<int> lines = selectedLines();
    // Delete with nothing selected erases nothing.
    if (lines.empty()) return;
    int first = lines.front();
    int remaining = m_doc.getItemCount() - static_cast<int>(lines.size());
    int focus = std::min(first, remaining - 1);
    m_erasing = true;
    pushChange(undoText, CLSLineChange(lines, {}), {focus}, focus);
    m_erasing = false;
    if (remaining > 0) applySelection({focus}, focus);
}

void CLSEditorScreen::copySelected() {
    std::vector<int> lines = selectedLines();
    if (lines.empty()) return;
    QApplication::clipboard()->setText(ToQString(LinesText(m_doc, lines)));
}

void CLSEditorScreen::paste() {
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText() || clip->text().isEmpty()) {
        m_prompter.message(PromptIcon::Error,
                           FromQStringWhole(tr("クリップボードから読み取れません。")));
        return;
    }
    QString text = clip->text();
    text.remove(QChar(0));  // a NUL would end the text early
    CLSTString pastedText = FromQStringWhole(text);
    std::vector<CLSVorelDataItem> lines = LinesFromText(pastedText, m_settings.historySize());
    if (lines.empty() || !m_doc.acceptsText(pastedText.view())) return;
    RenewCopiedReviewIds(m_doc, lines);
    int at = std::max(0, currentLine());
    if (m_doc.getItemCount() == 0) at = 0;
    std::vector<std::pair<int, CLSVorelDataItem>> added;
    std::vector<int> pasted;
    for (CLSVorelDataItem& line : lines) {
        pasted.push_back(at + static_cast<int>(added.size()));
        added.emplace_back(pasted.back(), std::move(line));
    }
    // The line that was current stays current, now after the pasted block.
    int current = currentLine() < 0 ? pasted.front() : at + static_cast<int>(pasted.size());
    pushChange(tr("貼り付け"), CLSLineChange({}, std::move(added)), pasted, current);
}

void CLSEditorScreen::moveSelected(bool up) {
    focusList();
    std::vector<int> lines = selectedLines();
    CLSLineChange change = up ? CLSLineChange::movingUp(lines)
                              : CLSLineChange::movingDown(lines, m_doc.getItemCount());
    if (change.isEmpty()) return;
    std::vector<int> moved = change.addedLines();
    int current = currentLine();
    auto it = std::find(lines.begin(), lines.end(), current);
    int newCurrent = it == lines.end() ? moved.front() : moved[it - lines.begin()];
    pushChange(tr("行の移動"), std::move(change), moved, newCurrent);
}

void CLSEditorScreen::setMarks(bool on) {
    focusList();
    std::vector<int> questions = selectedQuestionsOrSay();
    if (questions.empty()) return;
    pushChange(on ? tr("マークをつける") : tr("マークをはずす"), MarkChange(m_doc, questions, on),
               selectedLines(), currentLine());
}

void CLSEditorScreen::invertSelection() {
    int rows = m_doc.getItemCount();
    if (rows == 0) return;
    QItemSelection all(m_model->index(0, 0), m_model->index(rows - 1, 2));
    m_list->selectionModel()->select(all, QItemSelectionModel::Toggle);
}

void CLSEditorScreen::editGroupNames() {
    focusList();
    CLSDocumentTextsCommand::Texts texts = CLSDocumentTextsCommand::current(m_doc);
    std::optional<std::array<CLSTString, 10>> names = EditGroupNames(this, texts.groupNames);
    if (!names || *names == texts.groupNames) return;
    std::string all;
    for (const CLSTString& name : *names)
        all += name.view();
    if (!m_doc.acceptsText(all)) return;
    texts.groupNames = *names;
    m_undo.push(new CLSDocumentTextsCommand(tr("グループ名の編集"), m_doc, std::move(texts),
                                            [this] { applySettings(); }));
}

void CLSEditorScreen::editMessage() {
    focusList();
    CLSDocumentTextsCommand::Texts texts = CLSDocumentTextsCommand::current(m_doc);
    std::optional<CLSTString> message = EditMessage(this, texts.message);
    if (!message || *message == texts.message || !m_doc.acceptsText(message->view())) return;
    texts.message = *message;
    m_undo.push(new CLSDocumentTextsCommand(tr("メッセージの編集"), m_doc, std::move(texts), {}));
}

void CLSEditorScreen::insertMedia() {
    QWidget* focus = focusedControl();
    Field f = fieldOf(focus);
    if (!f || f.readOnly()) return;
    QString chosen = QFileDialog::getOpenFileName(
        this, tr("ファイルを開く"), ToQString(m_doc.getFolder()),
        tr("画像ファイル (*.bmp *.png *.jpg *.gif);;サウンドファイル (*.wav *.mp3 *.mid *.au);;"
           "ビデオファイル (*.avi *.mpg);;すべてのファイル (*)"));
    if (chosen.isEmpty()) return;
    CLSTString path;
    if (!PathFromChosen(chosen, path, m_prompter)) {
        focus->setFocus(Qt::OtherFocusReason);
        return;
    }
    // On the file system of the data file a relative name keeps the pair movable.
    if (!m_doc.isUntitled() && OnSameFileSystem(m_doc.getPath(), path) &&
        m_prompter.askYesNo(PromptIcon::Question, FromQStringWhole(tr("相対パスにしますか？")))) {
        path = RelativePath(m_doc.getPath(), path);
    }
    QString reference = QStringLiteral("\\i\"") + ToQString(path) + QStringLiteral("\"");
    focus->setFocus(Qt::OtherFocusReason);
    if (f.line) {
        f.line->insert(reference);
    } else {
        f.plain->insertPlainText(reference);
    }
}

void CLSEditorScreen::showListMenu(const QPoint& globalPosition) {
    QMenu menu(this);
    for (int id : std::initializer_list<int>{kCut, kCopy, kPaste, kDelete, 0, kMoveUp, kMoveDown}) {
        if (id == 0) {
            menu.addSeparator();
        } else {
            menu.addAction(m_commands->action(id));
        }
    }
    menu.addSeparator();
    QMenu* insert = menu.addMenu(tr("カード挿入(&I)"));
    CLSCommandMenus({m_commands}, kEditorScreen).fillMenu(*insert, CLSMenu::kInsert, this);
    m_commands->update();
    menu.exec(globalPosition);
}
