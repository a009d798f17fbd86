#include "app/Accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>

#include "quiz/widgets/WndInfoPane.h"
#include "sentence/widgets/SentenceAccessible.h"
#include "sentence/widgets/WndSentence.h"

namespace {

/// The information pane: its figures or tip as the description, so that a
/// reader that lands on it hears what a sighted learner reads.
class InfoPaneAccessible : public QAccessibleWidget {
  public:
    explicit InfoPaneAccessible(CLSWndInfoPane* pane)
        : QAccessibleWidget(pane, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        auto* pane = static_cast<CLSWndInfoPane*>(widget());
        if (t == QAccessible::Name && pane->accessibleName().isEmpty()) {
            return QCoreApplication::translate("CLSWndInfoPane", "情報");
        }
        if (t == QAccessible::Description || t == QAccessible::Value) return pane->spokenText();
        return QAccessibleWidget::text(t);
    }
};

/// Windows that are painted by the program (or Qt) but need no more than a
/// role: their owners name them, or the labels they are the buddies of, or
/// their tool tips.
class PaintedAccessible : public QAccessibleWidget {
  public:
    PaintedAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    QString text(QAccessible::Text t) const override {
        QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty()) return widget()->toolTip();
        return own;
    }
};

struct PaintedRole {
    const char* className;
    QAccessible::Role role;
};

constexpr PaintedRole kPaintedRoles[] = {
    {"CLSWndHints", QAccessible::Grouping},
    {"CLSWndMNG", QAccessible::Animation},
    {"CLSSentenceVideo", QAccessible::Animation},
    {"CLSWndSentenceList", QAccessible::List},
    {"CLSWndSeparator", QAccessible::Splitter},
    {"CLSPreviewPage", QAccessible::Graphic},
    {"CLSDesignPreview", QAccessible::Graphic},
    {"QChartView", QAccessible::Chart},
    {"QScrollArea", QAccessible::Pane},
    // The colour dialog's grids of swatches, which Qt paints itself.
    {"QWellArray", QAccessible::List},
};

QAccessibleInterface* paintedWindows(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("CLSWndSentence")) {
        return new CLSSentenceAccessible(static_cast<CLSWndSentence*>(widget));
    }
    if (className == QLatin1String("CLSWndInfoPane")) {
        return new InfoPaneAccessible(static_cast<CLSWndInfoPane*>(widget));
    }
    for (const PaintedRole& painted : kPaintedRoles) {
        if (className == QLatin1String(painted.className)) {
            return new PaintedAccessible(widget, painted.role);
        }
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(paintedWindows);
}
