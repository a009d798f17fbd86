#pragma once

// The program as a screen reader sees it: the accessible interfaces of a
// window's controls, and the events Qt's accessibility layer sends.

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "app/Accessibility.h"

/// Every control of root that the keyboard reaches (shown, enabled, taking
/// the focus by Tab, not a proxy for another) with no accessible name or
/// with a role that says nothing (a plain widget), as "Class 'text': why",
/// separated by "; ".
inline std::string UnnamedControls(QWidget* root) {
    InstallAccessibleInterfaces();
    QStringList faults;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!w->isVisible() || !w->isEnabled() || w->focusProxy()) continue;
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        // The edit field inside a spin box or an editable combo box is
        // the box's own part; the box is named.
        QWidget* parent = w->parentWidget();
        if (parent && (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent)))
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        QString what = QString::fromLatin1(w->metaObject()->className());
        if (!iface) {
            faults << what + ": no interface";
            continue;
        }
        QAccessible::Role role = iface->role();
        if (role == QAccessible::NoRole || role == QAccessible::Client) {
            faults << what + ": no fitting role";
        }
        if (iface->text(QAccessible::Name).trimmed().isEmpty()) {
            QString shown = w->property("text").toString();
            faults << what + " '" + shown + "': no name";
        }
    }
    return faults.join(QStringLiteral("; ")).toStdString();
}

/// Number fields of root followed on their row by a unit ("秒", "ピクセル")
/// whose description does not hold that unit, as "unit after field value".
inline std::string NumberFieldsWithoutUnits(QWidget* root) {
    QStringList faults;
    for (QAbstractSpinBox* box : root->findChildren<QAbstractSpinBox*>()) {
        if (!box->isVisible()) continue;
        QRect field(box->mapTo(root, QPoint(0, 0)), box->size());
        for (QLabel* label : root->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->buddy() || label->text().isEmpty()) continue;
            QRect unit(label->mapTo(root, QPoint(0, 0)), label->size());
            bool beside = unit.left() >= field.right() && unit.left() - field.right() <= 24 &&
                          std::abs(unit.center().y() - field.center().y()) <= 6;
            if (beside && !box->accessibleDescription().contains(label->text())) {
                faults << label->text() + " after " + box->text();
            }
        }
    }
    return faults.join(QStringLiteral("; ")).toStdString();
}

/// What the accessibility layer was told while it lives: each event's type
/// and object, and for focus events the focused control's name and
/// description at that moment (a reader speaks them then). Events are sent
/// only while accessibility is on, which a screen reader asks for; the log
/// switches it on through the platform (the offscreen one has the switch).
class AccessibleEventLog {
  public:
    struct Event {
        QAccessible::Event type;
        QObject* object;
        QString name;
        QString description;
    };

    AccessibleEventLog() {
        InstallAccessibleInterfaces();
        s_log = this;
        QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
        m_platform = platform ? platform->accessibility() : nullptr;
        // As if a screen reader had switched accessibility on.
        if (m_platform) m_platform->setActive(true);
        QAccessible::installUpdateHandler(&AccessibleEventLog::record);
    }
    ~AccessibleEventLog() {
        QAccessible::installUpdateHandler(nullptr);
        if (m_platform) m_platform->setActive(false);
        s_log = nullptr;
    }
    bool active() const { return QAccessible::isActive(); }
    AccessibleEventLog(const AccessibleEventLog&) = delete;
    AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

    const std::vector<Event>& events() const { return m_events; }
    void clear() { m_events.clear(); }
    /// The descriptions of the focus events so far, in order.
    QStringList focusDescriptions() const {
        QStringList out;
        for (const Event& e : m_events) {
            if (e.type == QAccessible::Focus) out << e.description;
        }
        return out;
    }
    bool has(QAccessible::Event type, const QObject* object) const {
        for (const Event& e : m_events) {
            if (e.type == type && e.object == object) return true;
        }
        return false;
    }

  private:
    static void record(QAccessibleEvent* event) {
        if (!s_log) return;
        Event e{event->type(), event->object(), QString(), QString()};
        if (event->type() == QAccessible::Focus) {
            if (QAccessibleInterface* iface = event->accessibleInterface()) {
                e.name = iface->text(QAccessible::Name);
                e.description = iface->text(QAccessible::Description);
            }
        }
        s_log->m_events.push_back(e);
    }

    static inline AccessibleEventLog* s_log = nullptr;
    QPlatformAccessibility* m_platform = nullptr;
    std::vector<Event> m_events;
};
