// main() of every widget test suite: a QApplication on the offscreen
// platform, settings in a temporary VOREL_HOME, and a watchdog that fails
// the running test instead of hanging on a modal box nobody expected.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "TestSupport.h"
#include "app/Accessibility.h"

namespace {

void startWatchdog() {
    auto* timer = new QTimer(qApp);
    auto* seen = new int(0);
    QObject::connect(timer, &QTimer::timeout, [seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            *seen = 0;
            return;
        }
        // Five seconds of an unanswered modal box means the test would hang.
        if (++*seen < 50) return;
        *seen = 0;
        ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString() << " / "
                      << (qobject_cast<QMessageBox*>(modal)
                              ? qobject_cast<QMessageBox*>(modal)->text().toStdString()
                              : std::string(modal->metaObject()->className()));
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    });
    timer->start(100);
}

}  // namespace

int main(int argc, char** argv) {
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TempDir home;
    setenv("VOREL_HOME", home.path().c_str(), 1);
    QApplication app(argc, argv);
    // Before any widget: an interface made without it would be kept.
    InstallAccessibleInterfaces();
    ::testing::InitGoogleTest(&argc, argv);
    startWatchdog();
    return RUN_ALL_TESTS();
}
