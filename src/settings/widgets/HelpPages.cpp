#include "settings/widgets/HelpPages.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "settings/SettingsFolder.h"
#include "settings/widgets/WndHelp.h"
#include "text/Codec.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"

namespace {

HelpPageShower& shower() {
    static HelpPageShower s;
    return s;
}

}  // namespace

void SetHelpPageShower(HelpPageShower s) {
    shower() = std::move(s);
}

QString HelpPageIn(const QString& folder, int topic) {
    if (folder.isEmpty()) return QString();
    QString page = folder + "/" +
                   (topic == kHelpContentsTopic ? QString("index") : QString::number(topic)) +
                   ".html";
    if (QFileInfo(page).isFile()) return page;
    QString contents = folder + "/index.html";
    return QFileInfo(contents).isFile() ? contents : QString();
}

QString HelpFolder() {
    CLSTString data = ProgramDataFolder();
    if (data.isEmpty()) return QString();
    QString folder = ToQString(data) + "/help";
    return QFileInfo(folder).isDir() ? folder : QString();
}

bool OpenHelpTopic(int topic, QWidget* owner) {
    QString page = HelpPageIn(HelpFolder(), topic);
    QtPrompter prompter(owner);
    if (page.isEmpty()) {
        prompter.message(
            PromptIcon::Information,
            FromQStringLossy(QCoreApplication::translate(
                "HelpPages", "ヘルプが見つかりません。プログラムを入れ直してください。")));
        return false;
    }
    if (shower()) {
        shower()(page, owner);
    } else {
        SharedHelpWindow().showPage(page);
    }
    return true;
}
