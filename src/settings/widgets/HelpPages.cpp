#include "settings/widgets/HelpPages.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "settings/SettingsFolder.h"
#include "settings/widgets/WndHelp.h"
#include "text/Codec.h"
#include "text/Language.h"
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

QString HelpPageInLanguage(const QString& path, const std::string& language) {
    if (path.isEmpty() || language.empty() || language == kNativeLanguage) return path;
    const QString code = QString::fromStdString(language);
    QFileInfo page(path);
    QFileInfo folder(page.absolutePath());
    if (folder.fileName() == code) {
        if (page.isFile()) return path;
        QString japanese = folder.absolutePath() + "/" + page.fileName();
        return QFileInfo(japanese).isFile() ? japanese : path;
    }
    QString translated = page.absolutePath() + "/" + code + "/" + page.fileName();
    return QFileInfo(translated).isFile() ? translated : path;
}

QString HelpPageIn(const QString& folder, int topic, const std::string& language) {
    return HelpPageInLanguage(HelpPageIn(folder, topic), language);
}

QString HelpFolder() {
    CLSTString data = ProgramDataFolder();
    if (data.isEmpty()) return QString();
    QString folder = ToQString(data) + "/help";
    return QFileInfo(folder).isDir() ? folder : QString();
}

bool OpenHelpTopic(int topic, QWidget* owner) {
    QString page = HelpPageIn(HelpFolder(), topic, ProgramLanguage());
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
