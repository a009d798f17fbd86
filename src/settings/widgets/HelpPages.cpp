#include "settings/widgets/HelpPages.h"

#include <QFileInfo>
#include <QUrl>

#include "settings/SettingsFolder.h"
#include "text/Codec.h"
#include "text/widgets/DesktopOpen.h"
#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"

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
            CLSTString(SJIS("ヘルプが見つかりません。プログラムを入れ直してください。")));
        return false;
    }
    if (!OpenWithDesktop(QUrl::fromLocalFile(page))) {
        prompter.message(PromptIcon::Error,
                         FromQStringLossy(QString::fromUtf8("ヘルプを表示できません: ") + page));
        return false;
    }
    return true;
}
