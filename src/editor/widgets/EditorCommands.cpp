// The editor's commands: each declared once with its texts and key, what it
// does and the rule that enables it (EditorRules.h).

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
#include "text/widgets/CommandSet.h"
#include "text/widgets/QtText.h"

using namespace EditorCommand;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

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
    auto rule = [this](int id) {
        return [this, id] { return EnabledEditorCommands(currentState()).count(id) > 0; };
    };
    auto field = [this](int id) { return [this, id] { fieldCommand(id); }; };
    // Whatever starts a command, what is typed into the card goes into the
    // line first; only the commands that work inside the focused field leave
    // it being typed.
    c.setBeforeEachCommand([this](int id) {
        if (!actsOnFocusedField(id)) commitCard();
    });

    c.add({kUndo, "元に戻す(&U)", "元に戻す", "Ctrl+Z", "undo"}, field(kUndo), rule(kUndo));
    c.add({kRedo, "やり直し(&R)", "やり直し", "Ctrl+Y", "redo"}, field(kRedo), rule(kRedo));
    c.add({kCut, "切り取り(&T)", "切り取り", "Ctrl+X", "cut"}, field(kCut), rule(kCut));
    c.add({kCopy, "コピー(&C)", "コピー", "Ctrl+C", "copy"}, field(kCopy), rule(kCopy));
    c.add({kPaste, "貼り付け(&P)", "貼り付け", "Ctrl+V", "paste"}, field(kPaste), rule(kPaste));
    c.add({kDelete, "削除(&D)", "削除", "Del", "delete"}, field(kDelete), rule(kDelete));
    c.add({kSelectAll, "すべて選択(&A)", nullptr, "Ctrl+A"}, field(kSelectAll), rule(kSelectAll));
    c.add(
        {kFind, "検索(&F)...", "検索", "Ctrl+F", "find"}, [this] { openFind(); }, rule(kFind));
    c.add(
        {kFindNext, "次を検索(&N)", nullptr, "F3"}, [this] { findNext(true); }, rule(kFindNext));
    c.add(
        {kFindPrevious, "前を検索(&V)", nullptr, "Shift+F3"}, [this] { findNext(false); },
        rule(kFindPrevious));
    c.add(
        {kInsertMedia, "画像/サウンド/ビデオを挿入(&I)...", nullptr, "Ctrl+M"},
        [this] { insertMedia(); }, rule(kInsertMedia));

    c.add({kAddTitle, "タイトルを追加(&T)"}, [this] { addLine(kLineTitle, true); });
    c.add({kAddQuestion, "問題を追加(&Q)", "問題を追加", "Ctrl+Q", "add-question"},
          [this] { addLine(kLineQuestion, true); });
    const struct {
        int id;
        const char* text;
    } inserts[] = {
        {kInsertTitle, "タイトル(&T)"},
        {kInsertQuestion, "問題(&Q)"},
        {kInsertComment, "コメント(&C)"},
        {kInsertTimeLimit, "制限時間(&L)"},
        {kInsertShowTime, "問題表示時間(&S)"},
        {kInsertStartTime, "解答開始時間(&A)"},
        {kInsertInputHeight, "答え入力欄の高さ(&H)"},
        {kInsertTitleFont, "タイトルフォント(&1)"},
        {kInsertQuestionFont, "問題フォント(&2)"},
        {kInsertHintFont, "ヒントフォント(&3)"},
        {kInsertAnswerFont, "答えフォント(&4)"},
        {kInsertCommentFont, "コメントフォント(&5)"},
        {kInsertPrintTitleFont, "印刷タイトルフォント"},
        {kInsertPrintQuestionFont, "印刷問題フォント"},
        {kInsertPrintAnswerFont, "印刷答えフォント"},
        {kInsertPrintTitleNumberFont, "印刷タイトル番号フォント"},
        {kInsertPrintQuestionNumberFont, "印刷問題番号フォント"},
        {kInsertPrintAnswerNumberFont, "印刷答え番号フォント"},
    };
    for (const auto& insert : inserts) {
        int kind = InsertedLineKind(insert.id);
        // Ins inserts a question where the learner stands.
        const char* key = insert.id == kInsertQuestion ? "Ins" : nullptr;
        const char* icon = insert.id == kInsertQuestion ? "insert-card" : nullptr;
        const char* tip = insert.id == kInsertQuestion ? "カードを挿入" : nullptr;
        c.add(
            {insert.id, insert.text, tip, key, icon}, [this, kind] { addLine(kind, false); },
            rule(insert.id));
    }
    c.add(
        {kCardDelete, "削除(&D)"}, [this] { eraseSelected(U("行の削除")); }, rule(kCardDelete));
    c.add(
        {kGroupNames, "グループ名編集(&G)..."}, [this] { editGroupNames(); }, rule(kGroupNames));
    c.add(
        {kMessage, "メッセージ編集(&M)..."}, [this] { editMessage(); }, rule(kMessage));
    c.add(
        {kSelectWhere, "条件選択(&S)..."}, [this] { selectWhere(); }, rule(kSelectWhere));
    c.add(
        {kInvertSelection, "選択の反転(&V)"}, [this] { invertSelection(); },
        rule(kInvertSelection));
    c.add(
        {kMoveUp, "前へ(&U)", "カードを上へ移動", "Ctrl+Up", "move-up"},
        [this] { moveSelected(true); }, rule(kMoveUp));
    c.add(
        {kMoveDown, "次へ(&N)", "カードを下へ移動", "Ctrl+Down", "move-down"},
        [this] { moveSelected(false); }, rule(kMoveDown));
    c.add(
        {kSort, "問題の並べ替え(&O)...", "問題の並べ替え", nullptr, "sort"},
        [this] { sortSelected(); }, rule(kSort));
    c.add(
        {kChangeGroup, "グループ変更(&R)..."}, [this] { changeGroup(); }, rule(kChangeGroup));
    c.add(
        {kClearHistory, "正誤履歴のクリア(&H)..."}, [this] { clearHistory(); },
        rule(kClearHistory));
    c.add(
        {kMarkOn, "チェックをつける(&C)"}, [this] { setMarks(true); }, rule(kMarkOn));
    c.add(
        {kMarkOff, "チェックをはずす(&U)"}, [this] { setMarks(false); }, rule(kMarkOff));
    c.add(
        {kSwap, "問題と答えの入れ替え(&A)..."}, [this] { swapSelected(); }, rule(kSwap));
    connect(m_commands, &CLSCommandSet::commandRan, this, &CLSEditorScreen::commandsChanged);
}

void CLSEditorScreen::createMenus() {
    m_insertMenu = new QMenu(U("挿入(&I)"), this);
    for (int id : std::initializer_list<int>{kInsertTitle,
                                             kInsertQuestion,
                                             kInsertComment,
                                             0,
                                             kInsertTimeLimit,
                                             kInsertShowTime,
                                             kInsertStartTime,
                                             kInsertInputHeight,
                                             0,
                                             kInsertTitleFont,
                                             kInsertQuestionFont,
                                             kInsertHintFont,
                                             kInsertAnswerFont,
                                             kInsertCommentFont,
                                             0,
                                             kInsertPrintTitleFont,
                                             kInsertPrintQuestionFont,
                                             kInsertPrintAnswerFont,
                                             kInsertPrintTitleNumberFont,
                                             kInsertPrintQuestionNumberFont,
                                             kInsertPrintAnswerNumberFont}) {
        if (id == 0) {
            m_insertMenu->addSeparator();
        } else {
            m_insertMenu->addAction(m_commands->action(id));
        }
    }
    m_markMenu = new QMenu(U("マーク(&K)"), this);
    m_markMenu->addAction(m_commands->action(kMarkOn));
    m_markMenu->addAction(m_commands->action(kMarkOff));
    m_entryMenu = new QMenu(this);
    m_entryMenu->addAction(U("削除(&D)"), this, [this] { m_commands->trigger(kDelete); });
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
            eraseSelected(U("切り取り"));
            return true;
        case kCopy:
            copySelected();
            return true;
        case kPaste:
            paste();
            return true;
        case kDelete:
            eraseSelected(U("行の削除"));
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
    pushChange(atEnd ? U("行の追加") : U("行の挿入"), CLSLineChange({}, std::move(added)), {at}, at,
               true);
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
                           CLSTString(SJIS("クリップボードから読み取れません。")));
        return;
    }
    QString text = clip->text();
    text.remove(QChar(0));  // a NUL would end the text early
    CLSTString cp932;
    QString unmappable;
    FromQString(text, cp932, &unmappable);
    std::vector<CLSVorelDataItem> lines = LinesFromText(cp932, m_settings.historySize());
    if (lines.empty()) return;
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
    pushChange(U("貼り付け"), CLSLineChange({}, std::move(added)), pasted, current);
    if (!unmappable.isEmpty()) {
        m_prompter.message(
            PromptIcon::Warning,
            FromQStringLossy(U("Shift-JIS で表せない文字は ? になりました: ") + unmappable));
    }
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
    pushChange(U("行の移動"), std::move(change), moved, newCurrent);
}

void CLSEditorScreen::setMarks(bool on) {
    focusList();
    std::vector<int> questions = selectedQuestionsOrSay();
    if (questions.empty()) return;
    pushChange(on ? U("マークをつける") : U("マークをはずす"), MarkChange(m_doc, questions, on),
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
    texts.groupNames = *names;
    m_undo.push(new CLSDocumentTextsCommand(U("グループ名の編集"), m_doc, std::move(texts),
                                            [this] { applySettings(); }));
}

void CLSEditorScreen::editMessage() {
    focusList();
    CLSDocumentTextsCommand::Texts texts = CLSDocumentTextsCommand::current(m_doc);
    std::optional<CLSTString> message = EditMessage(this, texts.message);
    if (!message || *message == texts.message) return;
    texts.message = *message;
    m_undo.push(new CLSDocumentTextsCommand(U("メッセージの編集"), m_doc, std::move(texts), {}));
}

void CLSEditorScreen::insertMedia() {
    QWidget* focus = focusedControl();
    Field f = fieldOf(focus);
    if (!f || f.readOnly()) return;
    QString chosen = QFileDialog::getOpenFileName(
        this, U("ファイルを開く"), ToQString(m_doc.getFolder()),
        U("画像ファイル (*.bmp *.png *.jpg *.gif);;サウンドファイル (*.wav *.mp3 *.mid *.au);;"
          "ビデオファイル (*.avi *.mpg);;すべてのファイル (*)"));
    if (chosen.isEmpty()) return;
    CLSTString path;
    QString unmappable;
    if (!FromQString(chosen, path, &unmappable)) {
        m_prompter.message(
            PromptIcon::Error,
            FromQStringLossy(U("ファイル名に使えない文字があります: ") + unmappable));
        focus->setFocus(Qt::OtherFocusReason);
        return;
    }
    // On the file system of the data file a relative name keeps the pair movable.
    if (!m_doc.isUntitled() && OnSameFileSystem(m_doc.getPath(), path) &&
        m_prompter.askYesNo(PromptIcon::Question, CLSTString(SJIS("相対パスにしますか？")))) {
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
    QAction* insert = menu.addMenu(m_insertMenu);
    insert->setText(U("カード挿入(&I)"));
    m_commands->update();
    menu.exec(globalPosition);
    // The insert menu is only borrowed.
    menu.removeAction(insert);
}
