#include "quiz/widgets/DlgList.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <algorithm>

#include "data/QuestionFonts.h"
#include "data/VorelDataFile.h"
#include "editor/QuestionTools.h"
#include "editor/widgets/DlgFind.h"
#include "quiz/ExamTexts.h"
#include "quiz/ReviewRun.h"
#include "quiz/widgets/DlgOtherAnswer.h"
#include "quiz/widgets/WndHints.h"
#include "sentence/widgets/WndSentence.h"
#include "sentence/widgets/WndSentenceList.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/QtDesign.h"
#include "settings/widgets/WindowPlace.h"
#include "srs/ReviewTexts.h"
#include "text/Clock.h"
#include "text/Prompter.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/QtText.h"
#include "text/widgets/TabChain.h"
#include "text/widgets/WndSeparator.h"

namespace {

constexpr int kGap = 6;
constexpr int kColumnWidth = 104;
constexpr int kHintsMinWidth = 120;

}  // namespace

CLSDlgList::CLSDlgList(CLSVorelDataFile& doc, CLSVorelSettings& settings, const Clock& clock,
                       QWidget* parent)
    : QDialog(parent), m_doc(doc), m_settings(settings), m_clock(clock) {
    setWindowTitle(tr("問題カード"));
    // A window of its own beside the main window: maximisable, and the main
    // window's menu keys do not reach into it.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setMinimumSize(250, 250);
    setSizeGripEnabled(true);
    createControls();
    RestoreWindowPlace(this, m_settings, CLSVorelSettings::kListWindow, QSize(560, 420),
                       QSize(250, 250));
    applySettings();
    int count = m_doc.getQuestionCount();
    m_number->setRange(count > 0 ? 1 : 0, std::max(count, 0));
    m_count->setText(QStringLiteral("/ %1").arg(count));
    if (count > 0) display(0);
    m_number->setFocus(Qt::OtherFocusReason);
}

CLSDlgList::~CLSDlgList() {
    // Edits reach the document, and the find dialog goes with its owner.
    setEditing(false);
    storeLayout();
}

void CLSDlgList::createControls() {
    m_number = new QSpinBox(this);
    m_number->setToolTip(tr("問題番号を入力します"));
    m_number->setAccessibleName(tr("問題番号"));
    m_number->setKeyboardTracking(true);
    m_count = new QLabel(this);
    m_close = new QPushButton(tr("閉じる"), this);
    m_other = new QPushButton(tr("別解(&O)..."), this);
    m_edit = new QPushButton(tr("編集(&E)"), this);
    m_edit->setCheckable(true);
    m_find = new QPushButton(tr("検索(&F)..."), this);
    m_reset = new QPushButton(tr("復習をリセット"), this);
    m_reset->setToolTip(tr("この問題の復習の予定を消して、新しい問題に戻します"));
    m_help = new QPushButton(tr("ヘルプ(&H)"), this);
    for (QPushButton* b : {m_close, m_other, m_edit, m_find, m_reset, m_help})
        b->setAutoDefault(false);

    m_title = new QLabel(this);
    m_title->setToolTip(tr("タイトル"));
    m_question = new CLSWndSentence(this);
    m_question->setToolTip(tr("問題"));
    m_answer = new CLSWndSentence(this);
    m_answer->setToolTip(tr("答え"));
    m_answers = new CLSWndSentenceList(this);
    m_answers->setToolTip(tr("答え"));
    m_answers->hide();
    m_comment = new CLSWndSentence(this);
    m_comment->setToolTip(tr("コメント"));
    m_answerTop = new CLSWndSeparator(this);
    m_answerTop->setOrientation(Qt::Horizontal);
    m_answerTop->setAccessibleName(tr("問題と答えの区切り"));
    m_commentTop = new CLSWndSeparator(this);
    m_commentTop->setOrientation(Qt::Horizontal);
    m_commentTop->setAccessibleName(tr("答えとコメントの区切り"));
    m_group = new QLabel(this);
    m_group->setToolTip(tr("問題のグループ"));
    m_history = new QLabel(this);
    m_history->setToolTip(tr("問題の正誤履歴"));
    m_review = new QLabel(this);
    m_review->setToolTip(tr("復習の予定"));
    m_review->setAccessibleName(tr("復習の予定"));
    m_review->setWordWrap(true);
    m_review->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_review->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont labels = ProgramFont("ＭＳ ゴシック", 13);
    m_group->setFont(labels);
    m_history->setFont(labels);
    m_mark = new QCheckBox(tr("マーク(&M)"), this);
    chainTabOrder();

    connect(m_number, &QSpinBox::valueChanged, this, [this](int value) { display(value - 1); });
    connect(m_close, &QPushButton::clicked, this, &CLSDlgList::closeRequested);
    connect(m_other, &QPushButton::clicked, this, [this] {
        const CLSVorelDataItem* l = line();
        if (!l) return;
        QFont font = ToQFont(QuestionFont(m_doc, m_settings, kFontAnswer, l));
        OpenOtherAnswerDialog(this, l->question(), font, m_settings, m_doc.getFolder());
    });
    connect(m_edit, &QPushButton::toggled, this, &CLSDlgList::setEditing);
    connect(m_find, &QPushButton::clicked, this, [this] {
        CLSDlgFind::open(this, m_settings, [this](bool forward) { find(forward); });
    });
    connect(m_reset, &QPushButton::clicked, this, [this] { resetReview(); });
    connect(m_help, &QPushButton::clicked, this,
            [this] { ShowDialogHelp(this, kHelpQuestionCard); });
    InstallHelpKey(this, kHelpQuestionCard);
    // F3 and Shift+F3 find again, as in the editor.
    auto* next = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(next, &QShortcut::activated, this, [this] { find(true); });
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this);
    connect(previous, &QShortcut::activated, this, [this] { find(false); });
    connect(m_mark, &QCheckBox::toggled, this, [this](bool on) {
        CLSVorelDataItem* l = m_doc.getQuestion(m_shown);
        if (l) m_doc.setMark(l->question(), on ? 1 : 0);
    });
    for (CLSWndSeparator* s : {m_answerTop, m_commentTop})
        connect(s, &CLSWndSeparator::moved, this, [this] {
            storeLayout();
            layOut();
        });
}

const CLSVorelDataItem* CLSDlgList::line() const {
    return m_doc.getQuestion(m_shown);
}

void CLSDlgList::showQuestion(int n) {
    if (n < 0 || n >= m_doc.getQuestionCount()) return;
    if (m_number->value() != n + 1) {
        m_number->setValue(n + 1);  // its change shows the question
    } else {
        display(n);
    }
}

void CLSDlgList::display(int n) {
    const CLSVorelDataItem* l = m_doc.getQuestion(n);
    if (!l) return;
    // Edits of the question shown so far reach the document first.
    bool editing = isEditing();
    setEditing(false);
    m_shown = n;
    const CLSVorelDataQuestion& q = l->question();
    CLSTString folder = m_doc.getFolder();
    m_title->setFont(ToQFont(QuestionFont(m_doc, m_settings, kFontTitle, l)));
    m_question->setSentenceFont(ToQFont(QuestionFont(m_doc, m_settings, kFontQuestion, l)));
    QFont answerFont = ToQFont(QuestionFont(m_doc, m_settings, kFontAnswer, l));
    m_answer->setSentenceFont(answerFont);
    m_answers->setSentenceFont(answerFont);
    m_comment->setSentenceFont(ToQFont(QuestionFont(m_doc, m_settings, kFontComment, l)));

    const CLSVorelDataItem* title = m_doc.titleOf(l);
    m_title->setText(title ? ToQString(title->title().text) : QString());
    m_number->setAccessibleDescription(m_count->text() + ' ' + m_title->text());
    m_question->setSentence(q.getQuestion(), folder);
    bool single = q.answerCount() <= 1;
    if (single) {
        m_answer->setSentence(q.firstAnswer(), folder);
    } else {
        CLSSentenceArray shown;
        for (int i = 0; i < std::min(q.answerCount(), q.getAnswerCount()); ++i)
            shown.add(q.getAnswer(i));
        m_answers->setSentences(shown, folder);
    }
    m_answer->setVisible(single);
    m_answers->setVisible(!single);
    m_comment->setSentence(q.getComment(), folder);
    m_group->setText(ToQString(GroupLabel(m_doc, q)));
    m_history->setText(ToQString(HistoryLabel(q)));
    m_other->setEnabled(q.getAnswerCount() > q.answerCount());
    m_reset->setEnabled(q.review() && q.review()->phase != ReviewPhase::New);
    showReviewState(q);
    {
        QSignalBlocker quiet(m_mark);
        m_mark->setChecked(q.mark() != 0);
    }
    if (q.getHintCount() > 0) {
        if (!m_hints) {
            m_hints = new CLSWndHints(m_doc, m_settings, l, this);
            connect(m_hints, &CLSWndHints::closeRequested, this, [this] {
                m_hints->hide();
                layOut();
            });
            chainTabOrder();
        } else {
            m_hints->setQuestion(l);
        }
        m_hints->show();
    } else if (m_hints) {
        m_hints->hide();
    }
    layOut();
    if (editing) setEditing(true);
}

bool CLSDlgList::isEditing() const {
    return m_question->isEditing();
}

void CLSDlgList::setEditing(bool on) {
    if (m_edit->isChecked() != on) {
        QSignalBlocker quiet(m_edit);
        m_edit->setChecked(on);
    }
    CLSVorelDataItem* l = m_doc.getQuestion(m_shown);
    if (!l || on == isEditing()) return;
    CLSVorelDataQuestion& q = l->question();
    bool single = q.answerCount() <= 1;
    if (on) {
        m_question->toEditMode();
        if (single) m_answer->toEditMode();
        m_comment->toEditMode();
        chainTabOrder();
        m_question->editor()->setFocus(Qt::OtherFocusReason);
        return;
    }
    QString unmappable;
    bool answerEdited = single && m_answer->isEditing();
    CLSSentence answer = answerEdited ? m_answer->exitEditMode(&unmappable) : CLSSentence();
    CLSSentence question = m_question->exitEditMode(&unmappable);
    CLSSentence comment = m_comment->exitEditMode(&unmappable);
    chainTabOrder();
    // Text a Shift-JIS file cannot hold goes in only when the file becomes UTF-8.
    if (!unmappable.isEmpty() && !m_doc.acceptsText(FromQStringWhole(unmappable).view())) {
        display(m_shown);
        return;
    }
    if (answerEdited) m_doc.editAnswer(q, 0, std::move(answer));
    m_doc.editQuestionText(q, std::move(question));
    m_doc.editComment(q, std::move(comment));
}

void CLSDlgList::chainTabOrder() {
    // The buttons' column, the card from the top (the fields of what is
    // being edited), then the hints beside it.
    std::vector<QWidget*> chain{m_number,
                                m_close,
                                m_other,
                                m_edit,
                                m_find,
                                m_reset,
                                m_help,
                                m_question->tabStop(),
                                m_answerTop,
                                m_answer->tabStop(),
                                m_answers,
                                m_commentTop,
                                m_comment->tabStop(),
                                m_mark};
    if (m_hints) {
        chain.insert(chain.end(), {m_hints->sentenceWindow(), m_hints->previousButton(),
                                   m_hints->closeButton(), m_hints->nextButton()});
    }
    ChainTab(chain);
}

void CLSDlgList::find(bool forward) {
    if (SharedFindText().isEmpty()) {
        CLSDlgFind::open(this, m_settings, [this](bool f) { find(f); });
        return;
    }
    int found =
        FindQuestion(m_doc, m_shown, forward, SharedFindText(), SharedFindTargets(m_settings));
    if (found < 0) {
        ReportFindEnd(this);
        if (!CLSDlgFind::current()) m_number->setFocus(Qt::OtherFocusReason);
        return;
    }
    showQuestion(found);
}

void CLSDlgList::applySettings() {
    const CLSVorelSkin& skin = m_settings.skin();
    auto colour = [&](int item) { return skin.item(item); };
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, ToQColor(colour(CLSVorelSkin::kTitle).textColor));
    m_title->setPalette(titlePalette);
    const CLSVorelSkinItem& question = colour(CLSVorelSkin::kQuestion);
    m_question->setColours(question.textColor, question.backgroundColor);
    const CLSVorelSkinItem& answer = colour(CLSVorelSkin::kAnswer);
    m_answer->setColours(answer.textColor, answer.backgroundColor);
    m_answers->setColours(answer.textColor, answer.backgroundColor);
    const CLSVorelSkinItem& comment = colour(CLSVorelSkin::kComment);
    m_comment->setColours(comment.textColor, comment.backgroundColor);
    for (CLSWndSentence* w : {m_question, m_answer, m_comment})
        w->setLineInterval(m_settings.lineInterval());
    m_answers->setLineInterval(m_settings.lineInterval());
    Colour formText = skin.colour(CLSVorelSkin::kStudyFormTextColor);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_group, m_history, m_mark, m_count, m_review}) {
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, ToQColor(formText));
        w->setPalette(p);
    }
    for (CLSWndSeparator* s : {m_answerTop, m_commentTop})
        s->setColour(skin.colour(CLSVorelSkin::kStudyFormBackgroundColor));
    if (m_hints) m_hints->setSettings(m_settings);
    if (m_shown >= 0) display(m_shown);
    update();
}

int CLSDlgList::frameExtent(int item) const {
    return ItemFrameExtent(m_settings.skin().item(item));
}

int CLSDlgList::columnWidth() const {
    // At least the usual width, and as wide as the widest button's text.
    int width = kColumnWidth;
    for (QPushButton* b : {m_close, m_other, m_edit, m_find, m_reset, m_help})
        width = std::max(width, b->sizeHint().width());
    return width;
}

void CLSDlgList::layOut() {
    const int w = width();
    const int h = height();
    // The column of the number and the buttons.
    int y = kGap;
    m_number->setGeometry(kGap, y, columnWidth(), m_number->sizeHint().height());
    y += m_number->height() + 2;
    m_count->setGeometry(kGap, y, columnWidth(), m_count->sizeHint().height());
    y += m_count->height() + kGap;
    for (QPushButton* b : {m_close, m_other, m_edit, m_find, m_reset, m_help}) {
        b->setGeometry(kGap, y, columnWidth(), b->sizeHint().height());
        y += b->height() + 4;
    }
    y += kGap;
    m_review->setGeometry(kGap, y, columnWidth(), m_review->heightForWidth(columnWidth()));

    // The window grows no smaller than its parts need.
    QSize needed = neededSize();
    if (minimumSize() != needed) {
        setMinimumSize(needed);
        if (w < needed.width() || h < needed.height()) {
            resize(std::max(w, needed.width()), std::max(h, needed.height()));
            return;  // laid out again by the resize
        }
    }

    // The hints stand at the right when the question has any (also while
    // the window is not shown yet).
    int right = w - kGap;
    if (hintsShown()) {
        int hintsWidth = std::clamp(w / 4, kHintsMinWidth, 260);
        hintsWidth = std::min(hintsWidth, std::max(kHintsMinWidth, w - contentMinWidth()));
        m_hints->setGeometry(right - hintsWidth, kGap, hintsWidth, h - 2 * kGap);
        right -= hintsWidth + kGap;
    }
    const int left = kGap + columnWidth() + kGap;
    const int sep = m_answerTop->thickness();

    // The bottom row: group, history and the mark.
    int rowHeight = std::max({m_group->sizeHint().height(), m_history->sizeHint().height(),
                              m_mark->sizeHint().height()});
    int rowTop = h - kGap - rowHeight;
    int x = left;
    for (QWidget* part : std::initializer_list<QWidget*>{m_group, m_history, m_mark}) {
        int partWidth = part->sizeHint().width();
        part->setGeometry(x, rowTop, partWidth, rowHeight);
        x += partWidth + 2 * kGap;
    }

    // The separators keep their places within what the window allows.
    int commentTop = std::clamp(m_settings.listCommentTop(), 90, std::max(90, h - 60));
    int answerTop = std::clamp(m_settings.listAnswerTop(), 60, std::max(60, commentTop - 24));
    // Question, answer and comment each keep a whole line of their fonts,
    // also while they are edited; the window's minimum leaves room for it.
    int titleHeight =
        std::max(m_title->fontMetrics().height(), m_title->minimumSizeHint().height()) +
        2 * frameExtent(CLSVorelSkin::kTitle);
    int answerNeeded = answerHeight();
    answerTop = std::max(answerTop, kGap + titleHeight + questionHeight());
    commentTop = std::max(commentTop, answerTop + sep + answerNeeded);
    commentTop = std::min(commentTop, rowTop - 4 - sep - commentHeight());
    answerTop = std::min(answerTop, commentTop - sep - answerNeeded);
    m_commentTop->setRange(90, std::max(90, h - 60));
    m_answerTop->setRange(60, std::max(60, commentTop - 24));
    m_answerTop->setExtent(left, right);
    m_commentTop->setExtent(left, right);
    m_answerTop->setPosition(answerTop);
    m_commentTop->setPosition(commentTop);

    auto place = [&](QWidget* widget, int item, int top, int bottom) {
        int e = frameExtent(item);
        widget->setGeometry(left + e, top + e, std::max(1, right - left - 2 * e),
                            std::max(1, bottom - top - 2 * e));
    };
    place(m_title, CLSVorelSkin::kTitle, kGap, kGap + titleHeight);
    place(m_question, CLSVorelSkin::kQuestion, kGap + titleHeight, answerTop);
    place(m_answer, CLSVorelSkin::kAnswer, answerTop + sep, commentTop);
    place(m_answers, CLSVorelSkin::kAnswer, answerTop + sep, commentTop);
    place(m_comment, CLSVorelSkin::kComment, commentTop + sep, rowTop - 4);
    update();
}

bool CLSDlgList::hintsShown() const {
    return m_hints && !m_hints->isHidden();
}

int CLSDlgList::answerHeight() const {
    // A line of the answer's font in the edit box: its frame and margins.
    QFontMetrics metrics(m_answer->sentenceFont());
    return metrics.height() + 2 * frameExtent(CLSVorelSkin::kAnswer) + 16;
}

int CLSDlgList::questionHeight() const {
    QFontMetrics metrics(m_question->sentenceFont());
    return metrics.height() + 2 * frameExtent(CLSVorelSkin::kQuestion) + 16;
}

int CLSDlgList::commentHeight() const {
    QFontMetrics metrics(m_comment->sentenceFont());
    return metrics.height() + 2 * frameExtent(CLSVorelSkin::kComment) + 16;
}

int CLSDlgList::contentMinWidth() const {
    // The column, and the bottom row of group, history and mark.
    int row = 0;
    for (QWidget* part : std::initializer_list<QWidget*>{m_group, m_history, m_mark})
        row += part->sizeHint().width() + 2 * kGap;
    return kGap + columnWidth() + kGap + row;
}

QSize CLSDlgList::neededSize() const {
    int width = contentMinWidth() + (hintsShown() ? kHintsMinWidth + kGap : 0);
    int column = kGap + m_number->sizeHint().height() + 2 + m_count->sizeHint().height() + kGap;
    for (QPushButton* b : {m_close, m_other, m_edit, m_find, m_reset, m_help})
        column += b->sizeHint().height() + 4;
    column += kGap + m_review->heightForWidth(columnWidth());
    int row = std::max({m_group->sizeHint().height(), m_history->sizeHint().height(),
                        m_mark->sizeHint().height()});
    // Title, the question from 60 pixels down, the answer, a comment line.
    int sep = m_answerTop->thickness();
    int title = std::max(m_title->fontMetrics().height(), m_title->minimumSizeHint().height()) +
                2 * frameExtent(CLSVorelSkin::kTitle);
    int text = kGap + title + questionHeight() + sep + answerHeight() + sep + commentHeight() + 4 +
               row + kGap;
    return QSize(std::max(250, width), std::max({250, column + kGap, text}));
}

void CLSDlgList::storeLayout() {
    m_settings.setListAnswerTop(m_answerTop->position());
    m_settings.setListCommentTop(m_commentTop->position());
    StoreWindowPlace(this, m_settings, CLSVorelSettings::kListWindow);
}

void CLSDlgList::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layOut();
}

void CLSDlgList::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const CLSVorelSkin& skin = m_settings.skin();
    p.fillRect(rect(), ToQColor(skin.colour(CLSVorelSkin::kStudyFormBackgroundColor)));
    auto frame = [&](int item, const QWidget* content) {
        if (content->isVisible()) DrawItemFrame(p, skin.item(item), content->geometry());
    };
    frame(CLSVorelSkin::kTitle, m_title);
    frame(CLSVorelSkin::kQuestion, m_question);
    frame(CLSVorelSkin::kAnswer, m_answer);
    frame(CLSVorelSkin::kAnswer, m_answers);
    frame(CLSVorelSkin::kComment, m_comment);
}

void CLSDlgList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit closeRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CLSDlgList::closeEvent(QCloseEvent* event) {
    // The window's own close button closes the card the same way.
    event->ignore();
    emit closeRequested();
}

void CLSDlgList::resetReview() {
    CLSVorelDataItem* l = m_doc.getQuestion(m_shown);
    if (!l || !l->question().review()) return;
    if (!m_doc.prompter().askYesNo(
            PromptIcon::Question,
            FromQStringWhole(tr("この問題の復習の予定を消して、新しい問題に戻しますか？")))) {
        return;
    }
    // The identity stays, so that the review log still knows the question;
    // the history no longer seeds a schedule.
    CLSReviewState fresh;
    fresh.id = l->question().review()->id;
    l->question().setReview(fresh);
    m_doc.setModified();
    m_reset->setEnabled(false);
    showReviewState(l->question());
}

void CLSDlgList::showReviewState(const CLSVorelDataQuestion& question) {
    // A question never reviewed shows the schedule its history gives.
    CLSReviewSettings settings = m_settings.review().schedulerSettings(m_clock.utcOffsetMinutes());
    CLSReviewState state = ReviewStateOf(question, settings);
    m_review->setText(
        QString::fromStdString(ReviewStateSummary(state, m_clock.utcMillis(), settings)));
    layOut();
}
