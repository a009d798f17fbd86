#pragma once

#include <QAccessibleWidget>

class CLSWndSentence;

/// How a screen reader sees a sentence window: a view is a static text
/// named by its sentence (pictures, videos and sounds by their file names);
/// a choice button is a radio button (single choice) or a check box, named
/// by its number and text, checked while selected, pressed by its action.
/// A name the owner gave the window (setAccessibleName) comes first.
class CLSSentenceAccessible : public QAccessibleWidget {
  public:
    explicit CLSSentenceAccessible(CLSWndSentence* window);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

  private:
    CLSWndSentence* sentenceWindow() const;
};
