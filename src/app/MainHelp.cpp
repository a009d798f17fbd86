#include "app/MainHelp.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QShortcut>

#include "settings/widgets/HelpPages.h"
#include "text/widgets/DialogHelp.h"

namespace {

// A menu that is open takes the keys, so F1 there is caught on its way.
class MenuHelpKey : public QObject {
  public:
    explicit MenuHelpKey(QMainWindow* window) : QObject(window), m_window(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* menu = qobject_cast<QMenu*>(watched);
        if (!menu || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) return false;
        // Only the window's own menus (and their sub-menus): a dialog's
        // menus have its help.
        for (QWidget* w = menu->parentWidget(); w; w = w->parentWidget()) {
            if (w == m_window) {
                OpenHelpTopic(kHelpMenu, m_window);
                return true;
            }
            if (w->isWindow() && !qobject_cast<QMenu*>(w)) break;
        }
        return false;
    }

  private:
    QMainWindow* m_window;
};

}  // namespace

void InstallMainHelpKey(QMainWindow* window, std::function<int()> topicOfScreen) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window, topicOfScreen] {
        int pane = HelpTopicOfFocus(window);
        OpenHelpTopic(pane >= 0 ? pane : topicOfScreen(), window);
    });
    auto* menus = new MenuHelpKey(window);
    qApp->installEventFilter(menus);
}
