#include "quiz/widgets/AskingPanel.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

#include "data/QuestionFonts.h"
#include "data/VorelDataFile.h"
#include "image/widgets/Picture.h"
#include "quiz/Announcements.h"
#include "quiz/Exam.h"
#include "quiz/PanelLayout.h"
#include "quiz/widgets/WndHints.h"
#include "sentence/widgets/WndSentence.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/QtDesign.h"
#include "text/Prompter.h"
#include "text/widgets/Drawing.h"
#include "text/widgets/QtText.h"
#include "text/widgets/QtTextMetrics.h"
#include "text/widgets/TabChain.h"
#include "text/widgets/WndSeparator.h"

namespace {

const char* kInputTip = QT_TRANSLATE_NOOP("CLSAskingPanel", "ここに答えを入力します");

// The design's font of a role at the question on screen, or the data file's.
QFont fontOfRole(const CLSVorelDataFile& doc, const CLSVorelSettings& settings,
                 QuestionFontRole role) {
    return ToQFont(QuestionFont(doc, settings, role, doc.current()));
}

QString inputText(const QWidget* input) {
    if (auto* line = qobject_cast<const QLineEdit*>(input)) return line->text();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(input)) return plain->toPlainText();
    return QString();
}

}  // namespace

// ---- buttons ------------------------------------------------------------------------------

CLSPanelButton::CLSPanelButton(const QString& text, const QString& picture, QWidget* parent)
    : QPushButton(text, parent), m_picture(LoadPixmapForRatio(picture, devicePixelRatioF())) {
    setCursor(Qt::PointingHandCursor);
}

void CLSPanelButton::setColours(unsigned text, unsigned back) {
    m_text = text;
    m_back = back;
    update();
}

void CLSPanelButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRect r = rect().adjusted(0, 0, -1, -1);
    bool down = isDown();
    QColor back =
        ToQColor(isEnabled() ? (underMouse() ? lightShade(m_back) : m_back) : darkShade(m_back));
    p.setPen(ToQColor(darkShade(m_back)));
    p.setBrush(back);
    p.drawRoundedRect(r, down ? 6 : 4, down ? 6 : 4);
    QRect content = r.adjusted(4, 2, -4, -2);
    if (down) content.translate(1, 1);
    int x = content.left();
    if (!m_picture.isNull()) {
        // Sizes in the window's units: on a scaled screen the picture holds
        // more pixels than it covers, which is what keeps it sharp.
        qreal ratio = m_picture.devicePixelRatio();
        int height = std::min(content.height(), 20);
        QPixmap pic = m_picture.scaledToHeight(qRound(height * ratio), Qt::SmoothTransformation);
        pic.setDevicePixelRatio(ratio);
        int picWidth = qRound(pic.width() / ratio);
        int w = text().isEmpty() ? content.width() : picWidth;
        p.drawPixmap(x + (w - picWidth) / 2, content.top() + (content.height() - height) / 2, pic);
        x += picWidth + 4;
    }
    if (!text().isEmpty()) {
        p.setPen(ToQColor(isEnabled() ? m_text : lightShade(m_text)));
        p.drawText(QRect(x, content.top(), content.right() - x, content.height()),
                   Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
    if (hasFocus()) {
        p.setPen(QPen(ToQColor(m_text), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 3, 3);
    }
}

// ---- panel --------------------------------------------------------------------------------

CLSAskingPanel::CLSAskingPanel(CLSVorelDataFile& doc, CLSVorelSettings& settings, CLSExam& exam,
                               QWidget* parent)
    : QWidget(parent), m_doc(doc), m_settings(settings), m_exam(exam) {
    createControls();
    applySettings();
}

void CLSAskingPanel::createControls() {
    m_title = new QLabel(this);
    m_title->setToolTip(tr("タイトル"));
    m_title->setWordWrap(true);
    m_question = new CLSWndSentence(this);
    m_question->setToolTip(tr("問題"));
    m_question->setAccessibleName(tr("問題"));
    m_group = new QLabel(this);
    m_group->setToolTip(tr("問題のグループ"));
    m_history = new QLabel(this);
    m_history->setToolTip(tr("問題の正誤履歴"));
    QFont labels = ProgramFont("ＭＳ ゴシック", 9);
    m_group->setFont(labels);
    m_history->setFont(labels);
    m_mark = new QCheckBox(tr("マーク(&M)"), this);
    m_hintButton = new CLSPanelButton(QString(), ":/buttons/hint.png", this);
    m_hintButton->setToolTip(tr("ヒントの表示/非表示を切り替えます"));
    m_hintButton->setAccessibleName(tr("ヒント"));
    m_answerButton = new CLSPanelButton(tr("答え"), ":/buttons/answer.png", this);
    m_answerButton->setToolTip(tr("答え合わせをします"));
    m_answerButton->setDefault(true);
    m_stopButton = new CLSPanelButton(tr("中止"), ":/buttons/stop.png", this);
    m_stopButton->setToolTip(tr("出題を中止します"));
    connect(m_answerButton, &QPushButton::clicked, this, &CLSAskingPanel::answerRequested);
    connect(m_stopButton, &QPushButton::clicked, this, &CLSAskingPanel::stopRequested);
    connect(m_hintButton, &QPushButton::clicked, this, &CLSAskingPanel::hintToggleRequested);
    connect(m_mark, &QCheckBox::toggled, this, [this](bool on) {
        if (m_doc.current() && m_doc.current()->isQuestion())
            m_doc.setMark(m_doc.currentQuestion(), on ? 1 : 0);
    });
}

int CLSAskingPanel::pad(int item) const {
    return ItemFrameExtent(m_settings.skin().item(item));
}

void CLSAskingPanel::applySettings() {
    applyColours();
    if (m_showing) restyleQuestion();
    if (m_hints) m_hints->setSettings(m_settings);
    relayout();
    update();
}

void CLSAskingPanel::restyleQuestion() {
    if (!m_doc.current() || !m_doc.current()->isQuestion()) return;
    m_title->setFont(fontOfRole(m_doc, m_settings, kFontTitle));
    m_question->setSentenceFont(fontOfRole(m_doc, m_settings, kFontQuestion));
    m_question->setLineInterval(m_settings.lineInterval());
    // A question that has run out of show time stays away; one being
    // edited keeps the learner's text.
    if (!m_questionHidden && !m_question->isEditing()) {
        m_question->setSentence(m_doc.currentQuestion().getQuestion(), m_doc.getFolder());
    }
    if (!m_inputs.empty()) {
        // New inputs of the new height take over what was typed and whether
        // they could be seen and used yet.
        std::vector<QString> texts;
        int focused = -1;
        for (size_t k = 0; k < m_inputs.size(); ++k) {
            texts.push_back(inputText(m_inputs[k]));
            if (m_inputs[k]->hasFocus()) focused = static_cast<int>(k);
        }
        bool enabled = m_inputs.front()->isEnabled();
        bool hidden = m_inputs.front()->isHidden();
        for (QWidget* w : m_inputs) {
            w->hide();
            w->deleteLater();
        }
        m_inputs.clear();
        createInputs(hidden);
        for (size_t k = 0; k < m_inputs.size() && k < texts.size(); ++k) {
            if (auto* line = qobject_cast<QLineEdit*>(m_inputs[k])) line->setText(texts[k]);
            if (auto* plain = qobject_cast<QPlainTextEdit*>(m_inputs[k])) {
                plain->setPlainText(texts[k]);
            }
            m_inputs[k]->setEnabled(enabled);
        }
        if (focused >= 0 && focused < static_cast<int>(m_inputs.size())) {
            m_inputs[focused]->setFocus();
        }
    }
    const std::vector<CLSChoiceSlot>& offered = m_exam.choiceSlots();
    for (size_t k = 0; k < m_choices.size(); ++k) {
        const CLSVorelDataItem* source = k < offered.size() ? offered[k].source : m_doc.current();
        styleChoice(m_choices[k], source);
    }
}

void CLSAskingPanel::styleChoice(CLSWndSentence* button, const CLSVorelDataItem* source) {
    const CLSVorelSkin& skin = m_settings.skin();
    const CLSVorelSkinItem& answer = skin.item(CLSVorelSkin::kAnswer);
    // A choice taken from another question has that question's answer font.
    button->setSentenceFont(ToQFont(QuestionFont(m_doc, m_settings, kFontAnswer, source)));
    button->setColours(answer.textColor, answer.backgroundColor);
    button->setHotColours(skin.colour(CLSVorelSkin::kHoverTextColor),
                          skin.colour(CLSVorelSkin::kHoverBackgroundColor));
    button->setSelectedColours(skin.colour(CLSVorelSkin::kActiveTextColor),
                               skin.colour(CLSVorelSkin::kActiveBackgroundColor));
    button->setLineInterval(m_settings.lineInterval());
    button->setCentring(m_settings.choiceCenter());
}

void CLSAskingPanel::applyColours() {
    const CLSVorelSkin& skin = m_settings.skin();
    const CLSVorelSkinItem& title = skin.item(CLSVorelSkin::kTitle);
    QPalette pal = m_title->palette();
    pal.setColor(QPalette::WindowText, ToQColor(title.textColor));
    m_title->setPalette(pal);
    const CLSVorelSkinItem& question = skin.item(CLSVorelSkin::kQuestion);
    m_question->setColours(question.textColor, question.backgroundColor);
    m_question->setLineInterval(m_settings.lineInterval());
    Colour formText = skin.colour(CLSVorelSkin::kStudyFormTextColor);
    Colour formBack = skin.colour(CLSVorelSkin::kStudyFormBackgroundColor);
    for (QLabel* l : {m_group, m_history}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, ToQColor(formText));
        l->setPalette(p);
    }
    QPalette markPalette = m_mark->palette();
    markPalette.setColor(QPalette::WindowText, ToQColor(formText));
    m_mark->setPalette(markPalette);
    for (CLSPanelButton* b : {m_hintButton, m_answerButton, m_stopButton})
        b->setColours(formText, lightShade(formBack));
    m_group->setVisible(m_settings.group());
    m_history->setVisible(m_settings.group());
}

void CLSAskingPanel::setGroupVisible(bool on) {
    m_group->setVisible(on);
    m_history->setVisible(on);
    relayout();
}

void CLSAskingPanel::clear() {
    m_showing = false;
    m_questionHidden = false;
    setEditing(false);
    deleteAnswers();
    if (m_hints) {
        delete m_hints;
        m_hints = nullptr;
    }
    if (m_separator) m_separator->hide();
    m_question->setSentence(CLSSentence(), CLSTString());
    m_title->clear();
}

void CLSAskingPanel::deleteAnswers() {
    // The next question is often built while an input is still handling the
    // key that answered the last one: the old controls go later.
    for (QWidget* w : m_inputs) {
        w->hide();
        w->deleteLater();
    }
    for (CLSWndSentence* c : m_choices) {
        c->hide();
        c->deleteLater();
    }
    m_inputs.clear();
    m_choices.clear();
    m_numberAreas.clear();
}

void CLSAskingPanel::showQuestion(bool inputsHidden) {
    setEditing(false);
    deleteAnswers();
    if (m_hints) {
        delete m_hints;
        m_hints = nullptr;
    }
    if (m_separator) m_separator->hide();
    const CLSVorelDataQuestion& q = m_doc.currentQuestion();
    CLSTString folder = m_doc.getFolder();
    m_showing = true;
    m_questionHidden = false;
    m_title->setFont(fontOfRole(m_doc, m_settings, kFontTitle));
    m_title->setText(ToQString(m_doc.getTitleText()));
    m_question->setSentenceFont(fontOfRole(m_doc, m_settings, kFontQuestion));
    m_question->setSentence(q.getQuestion(), folder);
    m_group->setText(ToQString(m_exam.groupLabel()));
    m_history->setText(ToQString(m_exam.historyLabel()));
    {
        QSignalBlocker block(m_mark);
        m_mark->setChecked(q.mark() != 0);
    }
    m_hintButton->setEnabled(q.getHintCount() > 0);
    bool confirm = m_settings.answerMode() == AnswerMode::kConfirm;
    m_answersVisible = !inputsHidden || confirm;
    if (!confirm) {
        if (m_exam.hasChoices()) {
            createChoices(inputsHidden);
        } else {
            createInputs(inputsHidden);
        }
    }
    announceQuestion(q);
    relayout();
    update();
}

void CLSAskingPanel::announceQuestion(const CLSVorelDataQuestion& question) {
    // Whatever takes the focus for the answer tells a screen reader the
    // question it belongs to.
    QString announced =
        QString::fromStdString(QuestionAnnouncement(m_exam.cursor() + 1, question.getQuestion()));
    for (QWidget* input : m_inputs)
        input->setAccessibleDescription(announced);
    for (CLSWndSentence* choice : m_choices)
        choice->setAccessibleDescription(announced);
    m_answerButton->setAccessibleDescription(
        m_settings.answerMode() == AnswerMode::kConfirm ? announced : QString());
}

void CLSAskingPanel::chainTabOrder() {
    // The question (its field while it is edited), the answer controls in
    // order, the row below them, then the hints standing right of it all.
    std::vector<QWidget*> chain{m_question->tabStop()};
    chain.insert(chain.end(), m_inputs.begin(), m_inputs.end());
    chain.insert(chain.end(), m_choices.begin(), m_choices.end());
    chain.insert(chain.end(), {m_mark, m_hintButton, m_answerButton, m_stopButton});
    if (m_hints) {
        chain.insert(chain.end(),
                     {m_separator, m_hints->sentenceWindow(), m_hints->previousButton(),
                      m_hints->closeButton(), m_hints->nextButton()});
    }
    ChainTab(chain);
}

void CLSAskingPanel::createInputs(bool hidden) {
    int lines = std::max(1, m_exam.inputFieldHeight());
    m_multiLine = lines > 1;
    QFont font = fontOfRole(m_doc, m_settings, kFontAnswer);
    for (int k = 0; k < m_exam.answerFieldCount(); ++k) {
        QWidget* input;
        if (m_multiLine) {
            auto* edit = new QPlainTextEdit(this);
            edit->setTabChangesFocus(true);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            edit->installEventFilter(this);
            input = edit;
        } else {
            // Enter reaches the panel's key handler, which answers.
            input = new QLineEdit(this);
        }
        input->setFont(font);
        input->setToolTip(tr(kInputTip));
        input->setAccessibleName(m_exam.answerFieldCount() > 1 ? tr("答え %1").arg(k + 1)
                                                               : tr("答え"));
        input->setEnabled(!hidden);
        input->setVisible(!hidden);
        input->setAttribute(Qt::WA_InputMethodEnabled, true);
        m_inputs.push_back(input);
    }
    chainTabOrder();
}

void CLSAskingPanel::createChoices(bool hidden) {
    bool single = m_exam.answerFieldCount() == 1;
    int number = 0;
    CLSTString folder = m_doc.getFolder();
    for (const CLSChoiceSlot& slot : m_exam.choiceSlots()) {
        auto* button = new CLSWndSentence(this);
        button->setButton(++number, single);
        styleChoice(button, slot.source);
        button->setSentence(slot.sentence, folder);
        button->setToolTip(ToQString(slot.sentence.toText()));
        button->setFocusPolicy(Qt::StrongFocus);
        button->setVisible(!hidden);
        m_choices.push_back(button);
    }
    chainTabOrder();
}

void CLSAskingPanel::revealAnswers() {
    m_answersVisible = true;
    for (QWidget* w : m_inputs) {
        w->setEnabled(true);
        w->show();
    }
    for (QWidget* w : m_choices)
        w->show();
    relayout();
    update();
    focusAnswer();
}

void CLSAskingPanel::hideQuestion() {
    m_questionHidden = true;
    m_question->setSentence(CLSSentence(), CLSTString());
}

void CLSAskingPanel::focusAnswer() {
    QWidget* target = m_answerButton;
    if (m_settings.answerMode() == AnswerMode::kConfirm) {
        target = m_answerButton;
    } else if (!m_choices.empty() && m_choices.front()->isVisible()) {
        target = m_choices.front();
    } else if (!m_inputs.empty() && m_inputs.front()->isVisible()) {
        target = m_inputs.front();
    }
    bool had = target->hasFocus();
    target->setFocus();
    if (had && QAccessible::isActive()) {
        // The focus stays on the button of confirm mode from question to
        // question: telling it again makes a reader speak the new question.
        QAccessibleEvent focused(target, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

std::optional<std::vector<CLSSentence>> CLSAskingPanel::givenAnswers(Prompter& prompter) {
    std::vector<CLSSentence> given;
    if (!m_choices.empty()) {
        for (const CLSWndSentence* c : m_choices) {
            if (c->isSelected()) given.push_back(c->sentence());
        }
        return given;
    }
    for (const QWidget* input : m_inputs) {
        // A typed answer is one plain text run, never markup; every
        // character counts, in any script.
        CLSSentence s;
        s.addText(FromQStringWhole(inputText(input)).view());
        given.push_back(std::move(s));
    }
    return given;
}

bool CLSAskingPanel::marked() const {
    return m_mark->isChecked();
}

void CLSAskingPanel::flipHints() {
    if (m_hints) {
        delete m_hints;
        m_hints = nullptr;
        if (m_separator) m_separator->hide();
        relayout();
        return;
    }
    if (!m_doc.current() || !m_doc.current()->isQuestion() ||
        m_doc.currentQuestion().getHintCount() == 0) {
        return;
    }
    m_hints = new CLSWndHints(m_doc, m_settings, m_doc.current(), this);
    m_exam.hintShown();  // a review grades a right answer after a hint Hard
    connect(m_hints, &CLSWndHints::closeRequested, this, &CLSAskingPanel::hintToggleRequested);
    if (!m_separator) {
        m_separator = new CLSWndSeparator(this);
        m_separator->setAccessibleName(tr("問題とヒントの区切り"));
        connect(m_separator, &CLSWndSeparator::moved, this, [this](int position) {
            m_hintsWidth = std::max(60, width() - position);
            m_settings.setHintsWindowWidth(m_hintsWidth);
            relayout();
        });
    }
    m_hintsWidth = std::max(60, m_settings.hintsWindowWidth());
    m_hints->show();
    m_separator->show();
    chainTabOrder();
    relayout();
}

bool CLSAskingPanel::isEditing() const {
    return m_question->isEditing();
}

void CLSAskingPanel::setEditing(bool on) {
    if (on == m_question->isEditing()) return;
    if (on) {
        m_question->toEditMode();
        chainTabOrder();
        return;
    }
    QString unmappable;
    CLSSentence edited = m_question->exitEditMode(&unmappable);
    chainTabOrder();
    if (!m_doc.current() || !m_doc.current()->isQuestion()) return;
    // Text a Shift-JIS file cannot hold goes in only when the file becomes UTF-8.
    if (!unmappable.isEmpty() && !m_doc.acceptsText(FromQStringWhole(unmappable).view())) {
        m_question->setSentence(m_doc.currentQuestion().getQuestion(), m_doc.getFolder());
        return;
    }
    if (m_doc.current() && m_doc.current()->isQuestion())
        m_doc.editQuestionText(m_doc.currentQuestion(), std::move(edited));
}

bool CLSAskingPanel::eventFilter(QObject* watched, QEvent* event) {
    // In a multi-line input Enter starts a new line; Ctrl+Enter answers.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ControlModifier)) {
            QMetaObject::invokeMethod(this, &CLSAskingPanel::answerRequested, Qt::QueuedConnection);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CLSAskingPanel::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control leaves alone: Enter answers, Esc stops, a
    // digit presses that choice button wherever the focus is.
    int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !(event->modifiers() & Qt::AltModifier)) {
        QMetaObject::invokeMethod(this, &CLSAskingPanel::answerRequested, Qt::QueuedConnection);
        return;
    }
    if (key == Qt::Key_Escape) {
        QMetaObject::invokeMethod(this, &CLSAskingPanel::stopRequested, Qt::QueuedConnection);
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9 && !m_choices.empty()) {
        size_t k = static_cast<size_t>(key - Qt::Key_1);
        if (k < m_choices.size() && m_choices[k]->isVisible()) {
            CLSWndSentence* button = m_choices[k];
            button->setFocus(Qt::ShortcutFocusReason);
            QKeyEvent press(QEvent::KeyPress, key, event->modifiers(), event->text());
            QKeyEvent release(QEvent::KeyRelease, key, event->modifiers(), event->text());
            QCoreApplication::sendEvent(button, &press);
            QCoreApplication::sendEvent(button, &release);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void CLSAskingPanel::resizeEvent(QResizeEvent*) {
    relayout();
}

void CLSAskingPanel::relayout() {
    if (!m_question) return;
    int fullWidth = width();
    int w = fullWidth;
    if (m_hints) {
        int sepWidth = 7;
        int hintsWidth = std::clamp(m_hintsWidth, 60, std::max(60, fullWidth - 200));
        w = fullWidth - hintsWidth - sepWidth;
        m_separator->setOrientation(Qt::Vertical);
        m_separator->setRange(200, std::max(200, fullWidth - 60));
        m_separator->setExtent(0, height());
        m_separator->setPosition(w + sepWidth / 2);
        m_hints->setGeometry(w + sepWidth, 0, hintsWidth, height());
    }

    CLSPanelLayoutInput in;
    in.width = w;
    in.height = height();
    in.titlePad = pad(CLSVorelSkin::kTitle);
    in.questionPad = pad(CLSVorelSkin::kQuestion);
    in.answerPad = pad(CLSVorelSkin::kAnswer);
    if (!m_title->text().isEmpty()) {
        in.titleHeight = m_title->heightForWidth(std::max(1, w - 2 * in.titlePad));
        if (in.titleHeight <= 0) in.titleHeight = m_title->sizeHint().height();
    }
    in.groupVisible = !m_group->isHidden();
    auto sizeOf = [](QWidget* widget) {
        return CLSSize{widget->sizeHint().width(), widget->sizeHint().height()};
    };
    in.groupText = sizeOf(m_group);
    in.historyText = sizeOf(m_history);
    in.markBox = sizeOf(m_mark);
    in.confirmMode = m_settings.answerMode() == AnswerMode::kConfirm;
    QFont answerFont = fontOfRole(m_doc, m_settings, kFontAnswer);
    QFontMetrics fm(answerFont);
    in.inputCount = static_cast<int>(m_inputs.size());
    in.inputHeight =
        fm.height() * std::max(1, m_exam.inputFieldHeight()) + 8 + (m_multiLine ? 4 : 0);
    in.inputLineHeight = fm.height() + 8 + (m_multiLine ? 4 : 0);
    in.choiceCount = static_cast<int>(m_choices.size());
    in.autoColumns = m_settings.autoChoicesPerLine();
    in.choiceColumns = std::max(1, m_settings.maxChoicesOfLine());
    int edge = 2;
    int inner = std::max(1, w - 2 * in.answerPad);
    int widest = 0;
    for (CLSWndSentence* c : m_choices)
        widest = std::max(widest, c->measure(inner).width() + 2 * edge + 4);
    in.widestChoice = widest;
    int colWidth = inner / ChoiceColumns(in);
    if (m_settings.autoChoiceHeight()) {
        int tallest = 0;
        for (CLSWndSentence* c : m_choices)
            tallest = std::max(tallest, c->measure(colWidth).height());
        in.choiceRowHeight = tallest + 2 * edge + 4;
    } else {
        in.choiceRowHeight = fm.height() * std::max(1, m_settings.choicesHeight()) + 2 * edge + 4;
    }
    CLSPanelLayout layout = LayoutAskingPanel(in);

    if (!layout.title.isEmpty()) {
        m_title->setGeometry(
            ToQRect(layout.title).adjusted(in.titlePad, in.titlePad, -in.titlePad, -in.titlePad));
        m_title->show();
    } else {
        m_title->hide();
    }
    m_question->setGeometry(ToQRect(layout.question));
    m_numberAreas.clear();
    for (size_t k = 0; k < m_inputs.size() && k < layout.inputs.size(); ++k) {
        QRect r = ToQRect(layout.inputs[k]).adjusted(0, 2, 0, -2);
        m_inputs[k]->setGeometry(r);
        m_numberAreas.push_back(QRect(in.answerPad, r.top(), 16, r.height()));
    }
    for (size_t k = 0; k < m_choices.size() && k < layout.choices.size(); ++k) {
        m_choices[k]->setGeometry(ToQRect(layout.choices[k]).adjusted(1, 1, -1, -1));
    }
    m_bottomTop = layout.bottomTop;
    if (in.groupVisible) {
        m_group->setGeometry(ToQRect(layout.group));
        m_history->setGeometry(ToQRect(layout.history));
    }
    m_mark->setGeometry(ToQRect(layout.mark));
    m_hintButton->setGeometry(ToQRect(layout.hintButton));
    m_answerButton->setGeometry(ToQRect(layout.answerButton));
    m_stopButton->setGeometry(ToQRect(layout.stopButton));
    update();
}

void CLSAskingPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const CLSVorelSkin& skin = m_settings.skin();
    int w = m_hints ? m_hints->geometry().left() - 7 : width();
    p.fillRect(rect(), ToQColor(skin.colour(CLSVorelSkin::kStudyFormBackgroundColor)));
    // Each item's frame encloses its content by the border and the padding;
    // the margin lies outside the frame.
    auto frame = [&](int item, QRect content) { DrawItemFrame(p, skin.item(item), content); };
    if (m_title->isVisible()) frame(CLSVorelSkin::kTitle, m_title->geometry());
    frame(CLSVorelSkin::kQuestion, m_question->geometry());
    if (m_answersVisible && (!m_inputs.empty() || !m_choices.empty())) {
        int top = height();
        for (QWidget* wdg : m_inputs)
            top = std::min(top, wdg->geometry().top() - 2);
        for (QWidget* wdg : m_choices)
            top = std::min(top, wdg->geometry().top() - 1);
        const CLSVorelSkinItem& s = skin.item(CLSVorelSkin::kAnswer);
        int inset = s.borderSize + s.padding;
        int ap = pad(CLSVorelSkin::kAnswer);
        int bottom = m_bottomTop - s.margin;
        frame(CLSVorelSkin::kAnswer, QRect(ap, top, w - 2 * ap, bottom - inset - top));
        const CLSVorelSkinItem& a = skin.item(CLSVorelSkin::kAnswer);
        p.setPen(ToQColor(a.textColor));
        // The numbers stand in the 16-pixel column before each input.
        QFont numberFont = font();
        numberFont.setPixelSize(11);
        p.setFont(numberFont);
        for (size_t k = 0; k < m_numberAreas.size() && k < m_inputs.size(); ++k) {
            if (!m_inputs[k]->isVisible()) continue;
            QRect r = m_numberAreas[k];
            QString number = QString::number(k + 1) + ".";
            p.drawText(r.adjusted(0, 0, 0, -2), Qt::AlignLeft | Qt::AlignBottom, number);
            int textWidth = p.fontMetrics().horizontalAdvance(number);
            p.drawLine(r.left(), r.bottom(), r.left() + textWidth, r.bottom());
        }
    }
}
