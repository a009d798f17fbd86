#include "text/widgets/DialogHelp.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kTopicProperty = "vorelHelpTopic";

DialogHelpHandler& handler() {
    static DialogHelpHandler h;
    return h;
}

}  // namespace

const std::vector<int>& KnownHelpTopics() {
    static const std::vector<int> topics = {
        kHelpExamLog,
        kHelpReaskMenu,
        kHelpImport,
        kHelpExport,
        kHelpDataInfo,
        kHelpPrintSettings,
        kHelpPrintPreview,
        kHelpFind,
        kHelpSelectWhere,
        kHelpSort,
        kHelpPrintFonts,
        kHelpQuestionCard,
        kHelpVagueDialog,
        kHelpResultDialog,
        kHelpCustomizeGeneral,
        kHelpCustomizeSound,
        kHelpCustomizeComparison,
        kHelpCustomizeDesign,
        kHelpCustomizeQuestion,
        kHelpCustomizeAnswer,
        kHelpCustomizeReview,
        kHelpCardTitle,
        kHelpCardQuestion,
        kHelpGroupNames,
        kHelpCardFont,
        kHelpMessage,
        kHelpCardNumber,
        kHelpCardComment,
        kHelpRangeDialog,
        kHelpCountDialog,
        kHelpAnswerDialog,
        kHelpOtherAnswers,
        kHelpRunning,
        kHelpMenu,
        kHelpStudy,
        kHelpEditor,
        kHelpInfoPane,
    };
    return topics;
}

void SetDialogHelpHandler(DialogHelpHandler h) {
    handler() = std::move(h);
}

void ShowDialogHelp(QWidget* owner, int context) {
    if (handler()) handler()(owner, context);
}

void InstallHelpKey(QWidget* widget, int context) {
    widget->setProperty(kTopicProperty, context);
    // A pane inside a window (the result pane on the study screen) leaves
    // F1 to its window, which asks HelpTopicOfFocus: two F1 shortcuts in
    // one window are ambiguous, and Qt then runs neither.
    if (!widget->isWindow()) return;
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), widget);
    key->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(key, &QShortcut::activated, widget,
                     [widget, context] { ShowDialogHelp(widget, context); });
}

int HelpTopicOfFocus(const QWidget* window) {
    for (const QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        QVariant topic = w->property(kTopicProperty);
        if (topic.isValid()) return topic.toInt();
        if (w == window || w->isWindow()) break;
    }
    return -1;
}
