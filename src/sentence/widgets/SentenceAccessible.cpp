#include "sentence/widgets/SentenceAccessible.h"

#include <QCoreApplication>

#include "sentence/SpokenText.h"
#include "sentence/widgets/WndSentence.h"

CLSSentenceAccessible::CLSSentenceAccessible(CLSWndSentence* window)
    : QAccessibleWidget(window, QAccessible::StaticText) {}

CLSWndSentence* CLSSentenceAccessible::sentenceWindow() const {
    return static_cast<CLSWndSentence*>(widget());
}

QAccessible::Role CLSSentenceAccessible::role() const {
    const CLSWndSentence* w = sentenceWindow();
    if (!w->isButton()) return QAccessible::StaticText;
    return w->isSingleChoice() ? QAccessible::RadioButton : QAccessible::CheckBox;
}

QString CLSSentenceAccessible::text(QAccessible::Text t) const {
    const CLSWndSentence* w = sentenceWindow();
    switch (t) {
        case QAccessible::Name: {
            // Windows of a dialog are told apart by their tool tips ("問題", "答え").
            QString own = w->accessibleName().isEmpty() ? w->toolTip() : w->accessibleName();
            QString spoken = QString::fromStdString(SpokenText(w->sentence()));
            if (w->isButton()) {
                //: A choice button as a screen reader reads it: its number, then its text.
                return QCoreApplication::translate("CLSSentenceAccessible", "%1. %2")
                    .arg(w->buttonNumber())
                    .arg(spoken);
            }
            if (own.isEmpty()) return spoken;
            if (spoken.isEmpty()) return own;
            return own + QStringLiteral(": ") + spoken;
        }
        case QAccessible::Value:
            return w->isButton() ? QString() : QString::fromStdString(SpokenText(w->sentence()));
        case QAccessible::Description:
            // The tool tip became part of the name; a description is the owner's.
            return w->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
    }
}

QAccessible::State CLSSentenceAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const CLSWndSentence* w = sentenceWindow();
    if (w->isButton()) {
        s.checkable = true;
        s.checked = w->isSelected();
        s.hotTracked = w->isHot();
    } else {
        s.readOnly = true;
    }
    return s;
}

QStringList CLSSentenceAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (sentenceWindow()->isButton()) names.prepend(pressAction());
    return names;
}

void CLSSentenceAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && sentenceWindow()->isButton()) {
        sentenceWindow()->activate();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
