#include "settings/widgets/WindowPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int kKeepInside = 120;
constexpr double kFirstStartShare = 0.7;

QRect availableArea(const CLSWindowPlace& place) {
    QPoint at(place.left, place.top);
    QScreen* screen =
        place.hasDefaultPosition() ? nullptr : QGuiApplication::screenAt(at + QPoint(20, 20));
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

void RestoreWindowPlace(QWidget* window, CLSVorelSettings& settings, CLSVorelSettings::Window which,
                        QSize defaultSize, QSize minimumSize) {
    CLSWindowPlace place = settings.windowPlace(which);
    int width = place.width > 0 ? place.width : defaultSize.width();
    int height = place.height > 0 ? place.height : defaultSize.height();
    QPoint at(place.left, place.top);
    QRect work = availableArea(place);
    int minWidth = minimumSize.width();
    int minHeight = minimumSize.height();
    window->resize(std::clamp(width, minWidth, std::max(minWidth, work.width())),
                   std::clamp(height, minHeight, std::max(minHeight, work.height())));
    if (!place.hasDefaultPosition()) {
        at.setX(std::clamp(at.x(), work.left(), std::max(work.left(), work.right() - kKeepInside)));
        at.setY(std::clamp(at.y(), work.top(), std::max(work.top(), work.bottom() - kKeepInside)));
        window->move(at);
    }
    if (place.maximized) window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

QSize FirstStartSize(QSize preferred, QSize available, QSize minimum) {
    auto fit = [](int want, int area, int least) {
        int most = static_cast<int>(area * kFirstStartShare);
        return std::max(least, std::min(want, most));
    };
    return QSize(fit(preferred.width(), available.width(), minimum.width()),
                 fit(preferred.height(), available.height(), minimum.height()));
}

void RestoreWindowPlaceOrFirstStart(QWidget* window, CLSVorelSettings& settings,
                                    CLSVorelSettings::Window which, QSize firstStart,
                                    QSize minimumSize) {
    CLSWindowPlace place = settings.windowPlace(which);
    bool stored = !(place == CLSVorelSettings().windowPlace(which));
    if (stored) {
        RestoreWindowPlace(window, settings, which, firstStart, minimumSize);
        return;
    }
    window->resize(FirstStartSize(firstStart, availableArea(place).size(), minimumSize));
}

void StoreWindowPlace(const QWidget* window, CLSVorelSettings& settings,
                      CLSVorelSettings::Window which) {
    CLSWindowPlace place = settings.windowPlace(which);
    QRect normal = window->isMaximized() && window->normalGeometry().isValid()
                       ? window->normalGeometry()
                       : window->geometry();
    place.left = normal.left();
    place.top = normal.top();
    place.width = normal.width();
    place.height = normal.height();
    place.maximized = window->isMaximized();
    settings.setWindowPlace(which, place);
}
