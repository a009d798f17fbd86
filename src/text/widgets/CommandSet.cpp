#include "text/widgets/CommandSet.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QWidget>

#include "text/Error.h"

CLSCommandSet::CLSCommandSet(QWidget* owner, Prompter& prompter)
    : QObject(owner), m_owner(owner), m_prompter(prompter) {}

QAction* CLSCommandSet::add(const CLSCommandDeclaration& command, std::function<void()> run,
                            std::function<bool()> enabled, std::function<bool()> checked) {
    // The declared texts are the Japanese sources of the translation.
    auto* action = new QAction(tr(command.text), m_owner);
    if (command.tip) {
        action->setToolTip(tr(command.tip));
        action->setStatusTip(tr(command.tip));
    }
    if (command.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
    if (command.icon) action->setIcon(ToolBarIcon(command.icon));
    action->setCheckable(command.checkable);
    action->setData(command.id);
    connect(action, &QAction::triggered, this, [this, id = command.id, run = std::move(run)] {
        try {
            if (m_before) m_before(id);
            if (run) run();
        } catch (const CLSError& e) {
            showError(e, m_prompter);
        }
        // A checkable action flips itself when clicked; its rule has the last word.
        update();
        emit commandRan();
    });
    m_owner->addAction(action);
    m_entries.push_back({command, action, std::move(enabled), std::move(checked)});
    return action;
}

QAction* CLSCommandSet::action(int id) const {
    for (const Entry& e : m_entries) {
        if (e.declaration.id == id) return e.action;
    }
    return nullptr;
}

std::vector<QAction*> CLSCommandSet::actions() const {
    std::vector<QAction*> out;
    for (const Entry& e : m_entries)
        out.push_back(e.action);
    return out;
}

bool CLSCommandSet::trigger(int id) {
    QAction* a = action(id);
    if (!a) return false;
    update();
    if (a->isEnabled()) a->trigger();
    return true;
}

void CLSCommandSet::update() {
    const std::set<int> on = m_enabledIds ? m_enabledIds() : std::set<int>();
    for (const Entry& e : m_entries) {
        bool enabled = e.enabled ? e.enabled() : !m_enabledIds || on.count(e.declaration.id) > 0;
        e.action->setEnabled(enabled);
        if (e.action->isCheckable()) e.action->setChecked(e.checked && e.checked());
    }
}

QIcon ToolBarIcon(const char* name) {
    QString path = QString(":/toolbar/%1.png").arg(QString::fromLatin1(name));
    if (!QFile::exists(path)) return QIcon();
    QIcon icon(path);
    // The larger drawing is added by hand: then the icon holds both sizes
    // whatever the screen, and a scaled toolbar picks the sharp one.
    QString large = QString(":/toolbar/%1@2x.png").arg(QString::fromLatin1(name));
    if (QFile::exists(large)) icon.addFile(large);
    return icon;
}
