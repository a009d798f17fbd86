#include "editor/widgets/CardQuestion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>

#include "data/QuestionFonts.h"
#include "data/VorelDataFile.h"
#include "editor/AnswerNotation.h"
#include "editor/CardFields.h"
#include "settings/SettingsKeys.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/QtDesign.h"
#include "text/Language.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/FocusMark.h"
#include "text/widgets/QtText.h"
#include "text/widgets/WndSeparator.h"

namespace {

constexpr int kGap = 4;

// The width of a page's label column: six character heights, which the
// Japanese labels were made for; other languages widen it to their widest
// label, or to the entries of the lists standing in the column (entries
// is "答え%1" and "新規答え" and the like: numbered up to two digits).
int labelColumn(int line, std::initializer_list<const QWidget*> labels, const QListWidget* list,
                std::initializer_list<const char*> entries) {
    int width = 6 * line;
    if (SpeaksNativeLanguage()) return width;
    for (const QWidget* label : labels)
        width = std::max(width, label->sizeHint().width() + 2 * kGap);
    int widest = 0;
    for (const char* entry : entries) {
        QString text = ToQString(std::string_view(Fill(entry, {"00"})));
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(text));
    }
    return std::max(width, widest + 2 * list->frameWidth() + 4 * kGap +
                               list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

QPlainTextEdit* textField(QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setTabChangesFocus(true);
    return field;
}

// A page that lays itself out again whenever its size changes.
class Page : public QWidget {
  public:
    Page(QWidget* parent, std::function<void()> layOut) : QWidget(parent), m_layOut(layOut) {}

  protected:
    void resizeEvent(QResizeEvent*) override { m_layOut(); }

  private:
    std::function<void()> m_layOut;
};

}  // namespace

CLSCardQuestion::CLSCardQuestion(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent)
    : CLSCardPage(doc, settings, parent) {
    m_tabs = new QTabWidget(this);
    createFirstPage();
    createSecondPage();
    m_tabs->addTab(m_first, tr("問題・答え"));
    m_tabs->addTab(m_second, tr("ヒント・選択肢"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_tabs);
}

void CLSCardQuestion::createFirstPage() {
    m_first = new Page(this, [this] { layOutFirstPage(); });
    m_titleButton = new QPushButton(tr("タイトル(&T)"), m_first);
    m_title = new QLineEdit(m_first);
    m_title->setReadOnly(true);
    m_title->setAccessibleName(tr("タイトル"));
    m_questionLabel = new QLabel(tr("問題(&Q)"), m_first);
    m_question = textField(m_first);
    m_questionLabel->setBuddy(m_question);
    m_answerTop = new CLSWndSeparator(m_first);
    m_answerTop->setOrientation(Qt::Horizontal);
    m_answerTop->setAccessibleName(tr("問題と答えの区切り"));
    m_answers = new QListWidget(m_first);
    m_answers->setAccessibleName(tr("答えの一覧"));
    MarkFocusOf(m_answers);
    m_answer = textField(m_first);
    m_answer->setAccessibleName(tr("選んだ答え"));
    createNotation(m_answerNotation, m_first, CLSVorelDataQuestion::kFieldAnswers);
    m_historyTop = new CLSWndSeparator(m_first);
    m_historyTop->setOrientation(Qt::Horizontal);
    m_historyTop->setAccessibleName(tr("答えと解答数の区切り"));
    m_countLabel = new QLabel(tr("解答数(&N)"), m_first);
    m_count = new QComboBox(m_first);
    m_countLabel->setBuddy(m_count);
    m_groupLabel = new QLabel(tr("グループ(&G)"), m_first);
    m_group = new QComboBox(m_first);
    m_groupLabel->setBuddy(m_group);
    m_commentLabel = new QLabel(tr("コメント(&C)"), m_first);
    m_comment = textField(m_first);
    m_commentLabel->setBuddy(m_comment);
    for (QWidget* w : {static_cast<QWidget*>(m_title), static_cast<QWidget*>(m_question),
                       static_cast<QWidget*>(m_answer), static_cast<QWidget*>(m_comment)})
        watch(w);
    watch(m_count, false);
    watch(m_group, false);
    m_answers->installEventFilter(this);
    connect(m_titleButton, &QPushButton::clicked, this, &CLSCardPage::titleRequested);
    connect(m_answers, &QListWidget::currentRowChanged, this,
            [this] { showEntry(m_answers, m_answer, m_shownAnswers); });
    connect(m_answerTop, &CLSWndSeparator::moved, this, [this](int position) {
        m_settings.setEditAnswerTop(position);
        layOutFirstPage();
    });
    connect(m_historyTop, &CLSWndSeparator::moved, this, [this](int position) {
        m_settings.setEditHistoryTop(position);
        layOutFirstPage();
    });
}

void CLSCardQuestion::createSecondPage() {
    m_second = new Page(this, [this] { layOutSecondPage(); });
    m_hints = new QListWidget(m_second);
    m_hints->setAccessibleName(tr("ヒントの一覧"));
    m_hint = textField(m_second);
    m_hint->setAccessibleName(tr("選んだヒント"));
    m_hintHeight = new CLSWndSeparator(m_second);
    m_hintHeight->setOrientation(Qt::Horizontal);
    m_hintHeight->setAccessibleName(tr("ヒントと選択肢の区切り"));
    m_choices = new QListWidget(m_second);
    m_choices->setAccessibleName(tr("選択肢の一覧"));
    m_choice = textField(m_second);
    m_choice->setAccessibleName(tr("選んだ選択肢"));
    createNotation(m_choiceNotation, m_second, CLSVorelDataQuestion::kFieldChoices);
    m_mark = new QCheckBox(tr("マーク(&M)"), m_second);
    m_historyLabel = new QLabel(tr("正誤履歴(&H)"), m_second);
    m_history = new QListWidget(m_second);
    m_history->setAccessibleName(tr("正誤履歴"));
    m_historyLabel->setBuddy(m_history);
    watch(m_hint);
    watch(m_choice);
    watch(m_mark, false);
    // An empty list has no item to show the focus on.
    for (QListWidget* list : {m_hints, m_choices, m_history})
        MarkFocusOf(list);
    m_hints->installEventFilter(this);
    m_choices->installEventFilter(this);
    connect(m_hints, &QListWidget::currentRowChanged, this,
            [this] { showEntry(m_hints, m_hint, m_shownHints); });
    connect(m_choices, &QListWidget::currentRowChanged, this,
            [this] { showEntry(m_choices, m_choice, m_shownChoices); });
    connect(m_hintHeight, &CLSWndSeparator::moved, this, [this](int position) {
        m_settings.setEditHintHeight(position);
        layOutSecondPage();
    });
}

void CLSCardQuestion::createNotation(Notation& notation, QWidget* page, int field) {
    notation.label = new QLabel(tr("表記(&K)"), page);
    notation.field = new QLineEdit(page);
    notation.label->setBuddy(notation.field);
    notation.problem = new QLabel(page);
    notation.problem->setStyleSheet(QStringLiteral("color: #b00000"));
    watch(notation.field);
    connect(notation.field, &QLineEdit::textChanged, this,
            [this, &notation, field] { markProblem(notation, field); });
}

void CLSCardQuestion::showNotation(Notation& notation, const CLSVorelDataQuestion& question,
                                   int field) {
    auto which = static_cast<CLSVorelDataQuestion::Field>(field);
    notation.shown = ToQString(NotationText(question, which, m_doc.getVersion()));
    notation.field->setText(notation.shown);
    notation.field->setCursorPosition(0);
    markProblem(notation, field);
}

void CLSCardQuestion::markProblem(Notation& notation, int field) {
    // The reason a field gives no entries shows while it is typed.
    CLSTString text = FromQStringWhole(notation.field->text());
    CLSExpandFailure why = CLSExpandFailure::kNone;
    NotationEntries(NotationForLine(text), static_cast<CLSVorelDataQuestion::Field>(field),
                    m_doc.getVersion() < DataFileVersion::kCurrent, &why);
    QString reason = QString::fromUtf8(ExpandFailureText(why));
    notation.problem->setText(reason);
    notation.problem->setToolTip(reason);
}

void CLSCardQuestion::layOutNotation(Notation& notation, int top, int x, int width) {
    const int line = fontMetrics().height();
    const int row = notation.field->sizeHint().height();
    const int problem = notation.problem->sizeHint().height();
    notation.label->setGeometry(kGap, top, x - 2 * kGap, row);
    notation.field->setGeometry(x, top, width, row);
    notation.problem->setGeometry(x, top + row, width, std::max(line, problem));
}

int CLSCardQuestion::notationHeight() const {
    const int line = fontMetrics().height();
    return kGap + m_answerNotation.field->sizeHint().height() +
           std::max(line, m_answerNotation.problem->sizeHint().height());
}

void CLSCardQuestion::layOutFirstPage() {
    const int w = m_first->width();
    const int h = m_first->height();
    const int line = fontMetrics().height();
    const int label = labelColumn(line,
                                  {m_titleButton, m_questionLabel, m_answerNotation.label,
                                   m_countLabel, m_groupLabel, m_commentLabel},
                                  m_answers, {VT("答え%1"), VT("新規答え")});
    const int row = std::max(m_title->sizeHint().height(), m_titleButton->sizeHint().height());
    const int comboHeight = m_count->sizeHint().height();
    const int sep = m_answerTop->thickness();
    int x = label + kGap;
    int fieldWidth = std::max(20, w - x - kGap);
    m_titleButton->setGeometry(kGap, kGap, label - kGap, row);
    m_title->setGeometry(x, kGap, fieldWidth, row);

    int historyTop = std::clamp(m_settings.editHistoryTop(), 76, std::max(76, h - sep - 60));
    int answerTop =
        std::clamp(m_settings.editAnswerTop(), 40, std::max(40, historyTop + comboHeight - 26));
    answerTop = std::max(answerTop, kGap + row + 2 * kGap + sep);
    // The answer area keeps one line of the answer's own font whole.
    const int minList =
        std::max(2 * line, m_answer->fontMetrics().height() + 2 * m_answer->frameWidth() + 8);
    historyTop = std::max(historyTop, answerTop + sep + notationHeight() + minList);
    int questionTop = kGap + row + kGap;
    m_questionLabel->setGeometry(kGap, questionTop, label - kGap, line + 4);
    m_question->setGeometry(x, questionTop, fieldWidth,
                            std::max(line, answerTop - sep / 2 - kGap - questionTop));
    m_answerTop->setRange(40, std::max(40, historyTop + comboHeight - 26));
    m_answerTop->setExtent(0, w);
    m_answerTop->setPosition(answerTop);
    int listTop = answerTop + sep / 2 + 1;
    int listHeight = std::max(line, historyTop - sep / 2 - 1 - listTop - notationHeight());
    m_answers->setGeometry(kGap, listTop, label - kGap, listHeight);
    m_answer->setGeometry(x, listTop, fieldWidth, listHeight);
    layOutNotation(m_answerNotation, listTop + listHeight + kGap, x, fieldWidth);
    m_historyTop->setRange(76, std::max(76, h - sep - 60));
    m_historyTop->setExtent(0, w);
    m_historyTop->setPosition(historyTop);
    int y = historyTop + sep / 2 + 1;
    m_countLabel->setGeometry(kGap, y, label - kGap, comboHeight);
    m_count->setGeometry(x, y, std::min(fieldWidth, 12 * line), comboHeight);
    y += comboHeight + kGap;
    m_groupLabel->setGeometry(kGap, y, label - kGap, comboHeight);
    m_group->setGeometry(x, y, std::min(fieldWidth, 12 * line), comboHeight);
    y += comboHeight + kGap;
    m_commentLabel->setGeometry(kGap, y, label - kGap, line + 4);
    m_comment->setGeometry(x, y, fieldWidth, std::max(line + 8, h - kGap - y));
}

void CLSCardQuestion::layOutSecondPage() {
    const int w = m_second->width();
    const int h = m_second->height();
    const int line = fontMetrics().height();
    const int label =
        labelColumn(line, {m_choiceNotation.label, m_historyLabel}, m_hints,
                    {VT("ヒント%1"), VT("新規ヒント"), VT("選択肢%1"), VT("新規選択肢")});
    const int sep = m_hintHeight->thickness();
    int x = label + kGap;
    int fieldWidth = std::max(20, w - x - kGap);
    // The history at the bottom is three lines high, the mark above it.
    int historyHeight = 3 * m_history->fontMetrics().height() + 2 * m_history->frameWidth() + 4;
    int markHeight = m_mark->sizeHint().height();
    int bottom = h - kGap - historyHeight;
    int markTop = bottom - kGap - markHeight;
    int hintHeight = std::clamp(m_settings.paneSize(VorelSettingKeys::kEditHintHeight, 40), 40,
                                std::max(40, h - 50));
    hintHeight = std::min(hintHeight, std::max(40, markTop - sep - notationHeight() - 2 * line));
    m_hints->setGeometry(kGap, kGap, label - kGap, std::max(line, hintHeight - sep / 2 - kGap));
    m_hint->setGeometry(x, kGap, fieldWidth, std::max(line, hintHeight - sep / 2 - kGap));
    m_hintHeight->setRange(40, std::max(40, h - 50));
    m_hintHeight->setExtent(0, w);
    m_hintHeight->setPosition(hintHeight);
    int choiceTop = hintHeight + sep / 2 + 1;
    int choiceHeight = std::max(line, markTop - kGap - choiceTop - notationHeight());
    m_choices->setGeometry(kGap, choiceTop, label - kGap, choiceHeight);
    m_choice->setGeometry(x, choiceTop, fieldWidth, choiceHeight);
    layOutNotation(m_choiceNotation, choiceTop + choiceHeight + kGap, x, fieldWidth);
    m_mark->setGeometry(x, markTop, fieldWidth, markHeight);
    m_historyLabel->setGeometry(kGap, bottom, label - kGap, line + 4);
    m_history->setGeometry(x, bottom, fieldWidth, historyHeight);
}

void CLSCardQuestion::fillList(QListWidget* list, QPlainTextEdit* field,
                               const std::vector<CLSTString>& entries,
                               const CLSSentenceArray& sentences, bool sameLine) {
    // Writing back within the same question keeps the selected entry and the
    // scroll position; another question starts again at the first entry.
    int selected = sameLine ? std::max(0, list->currentRow()) : 0;
    int scroll = sameLine ? list->verticalScrollBar()->value() : 0;
    QSignalBlocker block(list);
    list->clear();
    for (const CLSTString& entry : entries)
        list->addItem(ToQString(entry));
    list->setCurrentRow(std::min(selected, list->count() - 1));
    list->verticalScrollBar()->setValue(scroll);
    showEntry(list, field, sentences);
}

void CLSCardQuestion::showEntry(QListWidget* list, QPlainTextEdit* field,
                                const CLSSentenceArray& sentences) {
    // The new entry and the "答え" of a question without answers are empty.
    int row = list->currentRow();
    QString text;
    if (row >= 0 && row < sentences.count()) {
        text = ToQString(SentenceEditText(sentences[row]));
    }
    field->setPlainText(text);
}

void CLSCardQuestion::showLine(const CLSVorelDataItem& line, bool sameLine) {
    const CLSVorelDataQuestion& q = line.question();
    int version = m_doc.getVersion();
    auto font = [&](QuestionFontRole role) {
        return ToQFont(QuestionFont(m_doc, m_settings, role, &line));
    };
    m_question->setFont(font(kFontQuestion));
    m_answer->setFont(font(kFontAnswer));
    m_choice->setFont(font(kFontAnswer));
    m_hint->setFont(font(kFontHint));
    m_comment->setFont(font(kFontComment));
    m_question->setPlainText(ToQString(SentenceEditText(q.getQuestion())));
    m_shownAnswers = q.answers();
    m_shownHints = q.hints();
    m_shownChoices = q.choices();
    fillList(m_answers, m_answer, AnswerEntries(q, version), m_shownAnswers, sameLine);
    fillList(m_hints, m_hint, HintEntries(q, version), m_shownHints, sameLine);
    fillList(m_choices, m_choice, ChoiceEntries(q, version), m_shownChoices, sameLine);
    showNotation(m_answerNotation, q, CLSVorelDataQuestion::kFieldAnswers);
    showNotation(m_choiceNotation, q, CLSVorelDataQuestion::kFieldChoices);
    m_answerNotation.field->setEnabled(AnswerListEditable(version));
    m_answers->setEnabled(AnswerListEditable(version));
    bool hints = HintsAndChoicesEditable(version);
    for (QWidget* w : {static_cast<QWidget*>(m_hints), static_cast<QWidget*>(m_hint),
                       static_cast<QWidget*>(m_choices), static_cast<QWidget*>(m_choice),
                       static_cast<QWidget*>(m_choiceNotation.field)})
        w->setEnabled(hints);

    {
        QSignalBlocker block(m_count);
        m_count->clear();
        for (const CLSTString& entry : AnswerCountEntries(q.getAnswerCount()))
            m_count->addItem(ToQString(entry));
        m_count->setCurrentIndex(AnswerCountIndex(q));
    }
    {
        QSignalBlocker block(m_group);
        m_group->clear();
        for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g)
            m_group->addItem(ToQString(m_doc.getGroupName(g)));
        m_group->setCurrentIndex(std::clamp(q.group(), 0, 9));
    }
    const CLSVorelDataItem* title = m_doc.titleOf(&line);
    m_titleButton->setEnabled(title != nullptr);
    m_title->setFont(font(kFontTitle));
    m_title->setText(title ? ToQString(title->title().text) : QString());
    m_comment->setPlainText(ToQString(SentenceEditText(q.getComment())));
    m_mark->setChecked(q.mark() != 0);
    m_history->clear();
    for (const CLSTString& entry : HistoryEntries(q)) {
        QString text = ToQString(entry);
        text.replace(QChar('\t'), QStringLiteral("  "));
        m_history->addItem(text);
    }
    // The fields' fonts decide how much room the answers need.
    layOutFirstPage();
    layOutSecondPage();
}

CLSVorelDataItem CLSCardQuestion::editedLine(const CLSVorelDataItem& line) const {
    CLSVorelDataItem edited(line);
    CLSVorelDataQuestion& q = edited.question();
    auto sentence = [this](const QPlainTextEdit* field) {
        return SentenceFromEditText(fieldText(field->toPlainText()));
    };
    q.setQuestion(sentence(m_question));
    // The entry selected in each list takes the field beside it: an empty
    // text removes it, a text on the new entry adds one.
    // A "表記" typed anew is the whole field; otherwise the selected entry.
    int version = m_doc.getVersion();
    auto typed = [](const Notation& notation) { return notation.field->text() != notation.shown; };
    if (HintsAndChoicesEditable(version)) {
        if (m_hints->currentRow() >= 0) q.setHintSentence(m_hints->currentRow(), sentence(m_hint));
        if (typed(m_choiceNotation)) {
            SetNotation(q, CLSVorelDataQuestion::kFieldChoices,
                        fieldText(m_choiceNotation.field->text()), version);
        } else if (m_choices->currentRow() >= 0) {
            q.setChoiceSentence(m_choices->currentRow(), sentence(m_choice));
        }
    }
    if (AnswerListEditable(version) && typed(m_answerNotation)) {
        SetNotation(q, CLSVorelDataQuestion::kFieldAnswers,
                    fieldText(m_answerNotation.field->text()), version);
    } else if (m_answers->currentRow() >= 0) {
        q.setAnswerSentence(m_answers->currentRow(), sentence(m_answer));
    }
    q.setAnswerCount(std::max(0, m_count->currentIndex()) + 1);
    q.setGroup(std::max(0, m_group->currentIndex()));
    q.setMark(m_mark->isChecked() ? 1 : 0);
    q.setComment(sentence(m_comment));
    return edited;
}

void CLSCardQuestion::focusFirstField() {
    m_tabs->setCurrentIndex(0);
    m_question->setFocus(Qt::OtherFocusReason);
}

int CLSCardQuestion::helpTopic() const {
    return kHelpCardQuestion;
}

bool CLSCardQuestion::isEntryList(const QWidget* widget) const {
    return widget == m_answers || widget == m_hints || widget == m_choices;
}

void CLSCardQuestion::emptyEntryOf(QWidget* list) {
    QPlainTextEdit* field = list == m_answers   ? m_answer
                            : list == m_hints   ? m_hint
                            : list == m_choices ? m_choice
                                                : nullptr;
    if (!field) return;
    field->clear();
    emit commitRequested();
}

void CLSCardQuestion::storeLayout() {
    // Only bars the learner saw: a page never shown keeps the stored sizes.
    if (m_answerTop->shownPosition() >= 0)
        m_settings.setEditAnswerTop(m_answerTop->shownPosition());
    if (m_historyTop->shownPosition() >= 0)
        m_settings.setEditHistoryTop(m_historyTop->shownPosition());
    if (m_hintHeight->shownPosition() >= 0)
        m_settings.setEditHintHeight(m_hintHeight->shownPosition());
}

bool CLSCardQuestion::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && isEntryList(list)) {
        if (event->type() == QEvent::ContextMenu) {
            // Every entry but the new one can be deleted from its menu.
            auto* menu = static_cast<QContextMenuEvent*>(event);
            QListWidgetItem* item = list->itemAt(list->viewport()->mapFrom(list, menu->pos()));
            int row = item ? list->row(item) : -1;
            if (row >= 0 && row < list->count() - 1) {
                list->setCurrentRow(row);
                list->setFocus(Qt::OtherFocusReason);
                emit entryMenuRequested(menu->globalPos());
            }
            return true;
        }
    }
    return CLSCardPage::eventFilter(watched, event);
}
