#pragma once

#include <QStackedWidget>
#include <QWidget>
#include <memory>
#include <utility>

#include "data/VorelDataItem.h"

class CLSVorelDataFile;
class CLSVorelSettings;

/// A card: the fields of one kind of line. It shows the document's current
/// line and, when one of its fields loses the keyboard focus, asks for the
/// line to become what the fields say (commitRequested); the editor makes
/// that an undoable step and shows the line again.
class CLSCardPage : public QWidget {
    Q_OBJECT
  public:
    CLSCardPage(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent);

    /// Fills the fields from the line; sameLine is false when another line
    /// than the last one shown comes in (list selections start again).
    virtual void showLine(const CLSVorelDataItem& line, bool sameLine) = 0;
    /// The line as the fields have it, starting from the line shown.
    virtual CLSVorelDataItem editedLine(const CLSVorelDataItem& line) const = 0;
    /// Puts the keyboard into the card's first field.
    virtual void focusFirstField() = 0;
    /// The help topic of F1 on the card.
    virtual int helpTopic() const = 0;
    /// Whether a widget is one of the card's fields that hold text, or one
    /// of its entry lists (the question card's answers, hints and choices).
    bool isTextField(const QWidget* widget) const;
    virtual bool isEntryList(const QWidget* widget) const { return false; }
    /// Delete on an entry list: empties the field beside it, which removes
    /// the entry when it is written back.
    virtual void emptyEntryOf(QWidget* list) {}
    /// The separators' places go back to the settings.
    virtual void storeLayout() {}
    /// Why the last editedLine kept a field's old value (the
    /// program's warning); empty when it took every field.
    CLSTString takeRefusal() const { return std::exchange(m_refusal, CLSTString()); }

  signals:
    void commitRequested();
    /// The question card's "タイトル" button.
    void titleRequested();
    /// The context menu of an entry list's entry.
    void entryMenuRequested(const QPoint& globalPosition);

  protected:
    /// A field whose losing the focus writes the card back; text fields are
    /// also what the edit menu's commands act on.
    void watch(QWidget* field, bool holdsText = true);
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// A field's text, whole, in NFC.
    CLSTString fieldText(const QString& text) const;

    CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;

  private:
    QList<QWidget*> m_textFields;

  protected:
    mutable CLSTString m_refusal;
};

/// The card shown beside the editor's list: the card of the current line's
/// kind, reused while consecutive lines share it.
class CLSCard : public QStackedWidget {
    Q_OBJECT
  public:
    CLSCard(CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent = nullptr);
    ~CLSCard() override;

    /// Shows the document's current line; nothing for a line of no card.
    void showCurrent(bool sameLine);
    /// No card (an empty document).
    void clear();
    CLSCardPage* page() const { return m_page; }
    int kind() const { return m_kind; }

  signals:
    void commitRequested();
    void titleRequested();
    void entryMenuRequested(const QPoint& globalPosition);

  private:
    CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;
    CLSCardPage* m_page = nullptr;
    int m_kind = 0;  // 0 none, 1 title, 2 question, 15 comment, 27 numbers, 32 fonts
};

/// The card kind of a line kind (fonts share one card, numbers another).
int CardKindOf(int lineKind);
