#include "text/widgets/DialogHelp.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace {

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
        kHelpFind,
        kHelpSelectWhere,
        kHelpSort,
        kHelpQuestionCard,
        kHelpVagueDialog,
        kHelpResultDialog,
        kHelpCustomizeGeneral,
        kHelpCustomizeSound,
        kHelpCustomizeComparison,
        kHelpCustomizeDesign,
        kHelpCustomizeQuestion,
        kHelpCustomizeAnswer,
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
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), widget);
    key->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(key, &QShortcut::activated, widget,
                     [widget, context] { ShowDialogHelp(widget, context); });
}
