#include "quiz/widgets/DlgAnswer.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>

#include "data/QuestionFonts.h"
#include "data/VorelDataFile.h"
#include "quiz/Announcements.h"
#include "quiz/Exam.h"
#include "quiz/widgets/DlgOtherAnswer.h"
#include "quiz/widgets/FlatButton.h"
#include "quiz/widgets/WndMNG.h"
#include "sentence/widgets/WndSentence.h"
#include "sentence/widgets/WndSentenceList.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/QtDesign.h"
#include "text/Codec.h"
#include "text/Error.h"
#include "text/widgets/DialogHelp.h"
#include "text/widgets/Drawing.h"
#include "text/widgets/QtOneShotTimer.h"
#include "text/widgets/QtText.h"
#include "text/widgets/Resources.h"
#include "text/widgets/TabChain.h"

namespace {

constexpr int kAnimationSize = 60;

// Dialog units of the platform: a quarter of the average character width
// across, an eighth of the character height down.
CLSSize ButtonSize(const QFont& font) {
    QFontMetrics fm(font);
    int alphabet = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    int baseX = (alphabet / 26 + 1) / 2;
    return DialogUnitsToPixels(54, 14, baseX, fm.height());
}

// The width of a button's text as it is drawn, without the mnemonic's "&".
int TextWidth(const QPushButton& b) {
    QString shown = b.text();
    shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return b.fontMetrics().horizontalAdvance(shown);
}

}  // namespace

CLSDlgAnswer::CLSDlgAnswer(CLSExam& exam, const CLSAnswerOutcome& outcome, QWidget* parent,
                           OneShotTimer* autoClickTimer)
    : QDialog(parent), m_exam(exam), m_autoClick(autoClickTimer) {
    CLSTraceScope trace("CLSDlgAnswer::create");
    setWindowTitle(tr("答え"));
    if (!m_autoClick) {
        m_ownTimer = std::make_unique<CLSQtOneShotTimer>();
        m_autoClick = m_ownTimer.get();
    }
    onInitDialogOfDlgAnswer(outcome);
}

CLSDlgAnswer::~CLSDlgAnswer() {
    m_autoClick->stop();  // a test's timer outlives the dialog
}

CLSAnswerDecision CLSDlgAnswer::ask(CLSExam& exam, const CLSAnswerOutcome& outcome,
                                    QWidget* parent) {
    try {
        CLSDlgAnswer dialog(exam, outcome, parent);
        dialog.exec();
        return dialog.decision();
    } catch (const CLSError& e) {
        showError(e, exam.document().prompter());
    }
    return {};
}

void CLSDlgAnswer::onInitDialogOfDlgAnswer(const CLSAnswerOutcome& outcome) {
    CLSVorelDataFile& doc = m_exam.document();
    CLSVorelSettings& settings = m_exam.settings();
    m_question = &doc.currentQuestion();
    m_confirm = !outcome.judged;
    m_answerFont = ToQFont(QuestionFont(doc, settings, kFontAnswer, doc.current()));
    m_rightFont = ProgramFont("ＭＳ Ｐゴシック", 24);

    QPalette look = palette();
    const CLSVorelSkin& skin = settings.skin();
    look.setColor(QPalette::Window, ToQColor(skin.colour(CLSVorelSkin::kStudyFormBackgroundColor)));
    look.setColor(QPalette::WindowText, ToQColor(skin.colour(CLSVorelSkin::kStudyFormTextColor)));
    setPalette(look);

    const CLSSize button = ButtonSize(font());
    createButtons();

    InitVorelResources();
    m_animation = new CLSWndMNG(this);
    m_animation->setBackgroundColour(skin.item(CLSVorelSkin::kAnswer).backgroundColor);
    setComment();
    QSize animationSize = setAnswer(outcome);
    createOtherAnswers();

    CLSAnswerLayoutInput in;
    // The buttons' column is as wide as the widest text needs (inside the
    // default button's edge and a pixel of air), the platform's size at least.
    in.buttonWidth = button.width;
    for (QPushButton* b : {m_right, m_wrongButton, m_skip, m_hard, m_easy, m_ok, m_other, m_help}) {
        if (b) in.buttonWidth = std::max(in.buttonWidth, TextWidth(*b) + 2 * 3);
    }
    in.fourGrades = m_hard != nullptr;
    in.buttonHeight = button.height;
    in.maxWidth = settings.baseWidthWndAnswer();
    in.maxHeight = settings.baseHeightWndAnswer();
    in.animationWidth = animationSize.width();
    in.animationHeight = animationSize.height();
    const CLSVorelSkinItem& answerItem = skin.item(CLSVorelSkin::kAnswer);
    in.frame = answerItem.borderSize + answerItem.padding + answerItem.margin;
    in.labelHeight = m_otherLabel->sizeHint().height();
    // Views are measured with room for their scroll bars, so that a text
    // that does not fit still shows all of its width.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize answer = measureAnswer(std::max(1, in.maxWidth - in.animationWidth - 6 - bar));
    in.answerWidth = answer.width() + bar;
    in.answerHeight = answer.height() + bar;
    // The comment has a frame of its own inside the answer area.
    const CLSVorelSkinItem& commentItem = skin.item(CLSVorelSkin::kComment);
    const int commentInset = commentItem.borderSize + commentItem.padding;
    if (m_commentView) {
        QSize comment = m_commentView->measure(
            std::max(1, in.maxWidth - 2 * in.frame - 2 * commentInset - bar));
        in.commentWidth = comment.width() + bar + 2 * commentInset;
        in.commentHeight = comment.height() + 2 * commentInset;
    }
    if (m_otherList) in.otherHeight = kOtherAnswersHeight;
    m_layout = AnswerDialogLayout(in);

    m_animation->setGeometry(ToQRect(m_layout.animation));
    m_animation->setVisible(!m_layout.animation.isEmpty());
    QWidget* answerWidget = m_answerView ? static_cast<QWidget*>(m_answerView) : m_answerList;
    answerWidget->setGeometry(ToQRect(m_layout.answer));
    if (m_commentView) {
        m_commentView->setGeometry(
            ToQRect(m_layout.comment)
                .adjusted(commentInset, commentInset, -commentInset, -commentInset));
    }
    if (m_otherList) {
        m_otherList->setGeometry(ToQRect(m_layout.other));
        m_otherLabel->setGeometry(ToQRect(m_layout.otherLabel));
    }
    m_mark->setGeometry(ToQRect(m_layout.mark));
    m_right->setGeometry(ToQRect(m_layout.right));
    m_wrongButton->setGeometry(ToQRect(m_layout.wrong));
    m_skip->setGeometry(ToQRect(m_layout.skip));
    if (m_hard) {
        m_hard->setGeometry(ToQRect(m_layout.hard));
        m_easy->setGeometry(ToQRect(m_layout.easy));
    }
    m_ok->setGeometry(ToQRect(m_layout.ok));
    m_other->setGeometry(ToQRect(m_layout.otherButton));
    m_help->setGeometry(ToQRect(m_layout.help));
    setFixedSize(m_layout.width, m_layout.height);
    // Tab reads the answer first, then the buttons as they stand.
    ChainTabInReadingOrder({answerWidget, m_commentView, m_otherList, m_mark, m_right,
                            m_wrongButton, m_skip, m_hard, m_easy, m_ok, m_other, m_help});

    m_animation->start();
    startAutoClick();
}

void CLSDlgAnswer::createButtons() {
    const CLSVorelSkinItem& item = m_exam.settings().skin().item(CLSVorelSkin::kAnswer);
    auto make = [&](const QString& text) {
        return new CLSFlatButton(text, item.textColor, item.backgroundColor, this);
    };
    m_mark = new QCheckBox(tr("マーク(&M)"), this);
    m_mark->setChecked(m_question->mark() != 0);
    m_right = make(tr("正解にする(&R)"));
    m_wrongButton = make(tr("不正解にする(&W)"));
    m_skip = make(tr("スキップ(&S)"));
    m_ok = make(QStringLiteral("OK"));
    m_other = make(tr("別解(&O)..."));
    m_help = make(tr("ヘルプ(&H)"));
    m_ok->setDefault(true);
    m_otherLabel = new QLabel(tr("別解"), this);
    m_otherLabel->setAlignment(Qt::AlignCenter);
    m_otherLabel->hide();

    if (m_confirm && m_exam.mode().isReview()) {
        // A review grades: もう一度 is Again, 正解 is Good; the keys are the
        // grades' numbers, and 2 (難しい) and 4 (簡単) grade as well.
        m_wrongButton->setText(tr("もう一度(&1)"));
        m_right->setText(tr("正解(&3)"));
        if (m_exam.settings().review().fourButtons) {
            m_hard = make(tr("難しい(&2)"));
            m_easy = make(tr("簡単(&4)"));
            connect(m_hard, &QPushButton::clicked, this, [this] { gradeByKey(ReviewGrade::Hard); });
            connect(m_easy, &QPushButton::clicked, this, [this] { gradeByKey(ReviewGrade::Easy); });
        }
        const ReviewGrade grades[] = {ReviewGrade::Again, ReviewGrade::Hard, ReviewGrade::Good,
                                      ReviewGrade::Easy};
        for (ReviewGrade grade : grades) {
            auto* key = new QShortcut(QKeySequence(Qt::Key_0 + static_cast<int>(grade)), this);
            connect(key, &QShortcut::activated, this, [this, grade] { gradeByKey(grade); });
        }
    }
    connect(m_right, &QPushButton::clicked, this, [this] { judgeByButton(true); });
    connect(m_wrongButton, &QPushButton::clicked, this, [this] { judgeByButton(false); });
    connect(m_skip, &QPushButton::clicked, this, &CLSDlgAnswer::skip);
    connect(m_ok, &QPushButton::clicked, this, &CLSDlgAnswer::accept);
    connect(m_other, &QPushButton::clicked, this, &CLSDlgAnswer::openOtherAnswers);
    connect(m_help, &QPushButton::clicked, this,
            [this] { ShowDialogHelp(this, kHelpAnswerDialog); });
    InstallHelpKey(this, kHelpAnswerDialog);
}

void CLSDlgAnswer::setComment() {
    const CLSVorelSettings& settings = m_exam.settings();
    const CLSSentence& comment = m_question->getComment();
    if (comment.markupLength() <= 0 || !settings.showAnswerComment()) return;
    CLSVorelDataFile& doc = m_exam.document();
    const CLSVorelSkinItem& item = settings.skin().item(CLSVorelSkin::kComment);
    m_commentView = new CLSWndSentence(this);
    m_commentView->setAccessibleName(tr("コメント"));
    m_commentView->setSentenceFont(
        ToQFont(QuestionFont(doc, settings, kFontComment, doc.current())));
    m_commentView->setColours(item.textColor, item.backgroundColor);
    m_commentView->setLineInterval(settings.lineInterval());
    m_commentView->setSentence(comment, doc.getFolder());
}

QSize CLSDlgAnswer::setAnswer(const CLSAnswerOutcome& outcome) {
    CLSTraceScope trace("CLSDlgAnswer::setAnswer");
    if (m_confirm) {
        setDefaultAnswer(false);
        m_ok->setEnabled(false);
        m_right->setAccessibleDescription(announcement(std::nullopt));
        m_right->setFocus();
        return QSize(0, 0);
    }
    bool right = outcome.verdict == Verdict::kRight;
    m_wrong = !right;
    setDefaultAnswer(right);
    (right ? m_right : m_wrongButton)->setEnabled(false);
    m_animation->load(QString::fromLatin1(right ? kAnswerRightMng : kAnswerWrongMng));
    m_animation->setAccessibleName(right ? tr("正解") : tr("不正解"));
    m_skip->hide();
    m_skip->setEnabled(false);
    // The focus lands on OK, which tells a screen reader the verdict.
    m_ok->setAccessibleDescription(announcement(right));
    m_ok->setFocus();
    return QSize(kAnimationSize, kAnimationSize);
}

QString CLSDlgAnswer::announcement(std::optional<bool> right) const {
    CLSSentenceArray shown;
    const CLSSentenceArray& answers = m_question->answers();
    int required = std::max(1, m_question->answerCount());
    for (int i = 0; i < std::min(required, answers.count()); ++i)
        shown.add(answers[i]);
    if (shown.isEmpty()) shown.add(m_question->firstAnswer());
    return QString::fromStdString(VerdictAnnouncement(right, shown));
}

void CLSDlgAnswer::setDefaultAnswer(bool right) {
    CLSTraceScope trace("CLSDlgAnswer::setDefaultAnswer");
    const CLSVorelSettings& settings = m_exam.settings();
    const CLSVorelSkinItem& item = settings.skin().item(CLSVorelSkin::kAnswer);
    CLSTString folder = m_exam.document().getFolder();
    int required = m_question->answerCount();
    if (right || required < 2) {
        m_answerView = new CLSWndSentence(this);
        m_answerView->setAccessibleName(tr("答え"));
        m_answerView->setColours(item.textColor, item.backgroundColor);
        m_answerView->setLineInterval(settings.lineInterval());
        m_answerView->setCentring(true);
        if (right) {
            m_answerView->setSentenceFont(m_rightFont);
            m_answerView->setSentence(CLSSentence(FromQStringWhole(tr("正解！"))));
        } else {
            m_answerView->setSentenceFont(m_answerFont);
            m_answerView->setSentence(m_question->firstAnswer(), folder);
        }
    } else {
        CLSSentenceArray shown;
        const CLSSentenceArray& answers = m_question->answers();
        for (int i = 0; i < std::min(required, answers.count()); ++i)
            shown.add(answers[i]);
        m_answerList = new CLSWndSentenceList(this);
        m_answerList->setAccessibleName(tr("答え"));
        m_answerList->setSentenceFont(m_answerFont);
        m_answerList->setColours(item.textColor, item.backgroundColor);
        m_answerList->setLineInterval(settings.lineInterval());
        m_answerList->setSentences(shown, folder);
    }
    m_mark->setChecked(m_question->mark() != 0);
}

void CLSDlgAnswer::createOtherAnswers() {
    const CLSVorelSettings& settings = m_exam.settings();
    if (m_question->getAnswerCount() < 2) {
        m_other->setEnabled(false);
        return;
    }
    if (!settings.showOtherAnswers()) return;
    const CLSVorelSkinItem& item = settings.skin().item(CLSVorelSkin::kAnswer);
    m_otherList = new CLSWndSentenceList(this);
    m_otherList->setAccessibleName(tr("別解"));
    m_otherList->setSentenceFont(m_answerFont);
    m_otherList->setColours(item.textColor, item.backgroundColor);
    m_otherList->setLineInterval(settings.lineInterval());
    m_otherList->setSentences(m_question->answers(), m_exam.document().getFolder());
    m_otherLabel->show();
}

QSize CLSDlgAnswer::measureAnswer(int width) const {
    if (m_answerView) return m_answerView->measure(width);
    return m_answerList->calculateSize(width);
}

void CLSDlgAnswer::startAutoClick() {
    const CLSVorelSettings& settings = m_exam.settings();
    int delay = settings.ansDlgAutoClickTime();
    if (delay <= 0) return;
    if (m_wrong && settings.ansDlgNoClickWrong()) return;
    m_autoClick->start(delay, [this] { autoClick(); });
}

void CLSDlgAnswer::autoClick() {
    // Only a dialog the learner is not busy in is clicked: while the other
    // answers (or any other box) are open above it, the click is dropped.
    QWidget* modal = QApplication::activeModalWidget();
    if (!isEnabled() || !isVisible() || (modal && modal != this)) return;
    CLSFlatButton* target = m_ok;
    if (m_confirm) {
        switch (m_exam.settings().ansDlgClickButtonType()) {
            case 0:
                target = m_right;
                break;
            case 1:
                target = m_wrongButton;
                break;
            case 2:
                target = m_skip;
                break;
            default:
                target = nullptr;
                break;
        }
    }
    if (target && target->isEnabled()) target->click();
}

void CLSDlgAnswer::judgeByButton(bool right) {
    if (m_confirm) {
        if (!m_decision.verdict) m_decision.verdict = right ? Verdict::kRight : Verdict::kWrong;
    } else {
        m_decision.changedToRight = right;
    }
    accept();
}

void CLSDlgAnswer::gradeByKey(ReviewGrade grade) {
    if (!m_decision.verdict) {
        m_decision.grade = grade;
        m_decision.verdict = grade == ReviewGrade::Again ? Verdict::kWrong : Verdict::kRight;
    }
    accept();
}

void CLSDlgAnswer::skip() {
    if (!m_decision.verdict) m_decision.verdict = Verdict::kSkipped;
    accept();
}

void CLSDlgAnswer::openOtherAnswers() {
    OpenOtherAnswerDialog(this, *m_question, m_answerFont, m_exam.settings(),
                          m_exam.document().getFolder());
}

void CLSDlgAnswer::reject() {
    if (m_confirm && !m_decision.verdict) {
        skip();
        return;
    }
    QDialog::reject();
}

void CLSDlgAnswer::done(int result) {
    CLSTraceScope trace("OnDestroyOfDlgAnswer");
    m_autoClick->stop();
    if (m_animation) m_animation->stop();
    m_decision.mark = m_mark->isChecked();
    QDialog::done(result);
}

void CLSDlgAnswer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const CLSVorelSkin& skin = m_exam.settings().skin();
    painter.fillRect(rect(), ToQColor(skin.colour(CLSVorelSkin::kStudyFormBackgroundColor)));
    // The answer area's frame; its margin stays free around it.
    const CLSVorelSkinItem& item = skin.item(CLSVorelSkin::kAnswer);
    int inset = item.margin + item.padding;
    QRect content(0, 0, m_layout.width, m_layout.contentHeight);
    drawBorderBox(painter, BorderStyleOf(item), content.adjusted(inset, inset, -inset, -inset));
    if (m_commentView) {
        const CLSVorelSkinItem& comment = skin.item(CLSVorelSkin::kComment);
        int pad = comment.padding;
        drawBorderBox(painter, BorderStyleOf(comment),
                      ToQRect(m_layout.comment).adjusted(pad, pad, -pad, -pad));
    }
}
