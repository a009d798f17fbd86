#pragma once

#include <QAction>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

/// "Vorel ヘルプ": the program's own window for its help pages, so that help
/// needs no web browser. Links, back and forward (Alt+Left, Alt+Right), the
/// contents (Alt+Home) and a find bar (Ctrl+F; Enter or F3 finds the next
/// match, Shift+Enter or Shift+F3 the previous one, Esc closes the bar, and
/// Esc again the window). Every command has its key.
class CLSWndHelp : public QWidget {
    Q_OBJECT
  public:
    explicit CLSWndHelp(QWidget* parent = nullptr);

    /// Shows a page file (an anchor may follow "#"), raises the window and
    /// gives it the keyboard. The contents page is the folder's index.html.
    void showPage(const QString& page);
    /// The page shown ("" before the first).
    QString currentPage() const;

    void showContents();
    void goBack();
    void goForward();
    /// Opens the find bar with the field selected.
    void openFind();
    void closeFind();
    /// Selects the next (or previous) match of the find field's text,
    /// wrapping at the end of the page; false, with "見つかりません" in the
    /// bar, when the page does not hold it.
    bool findNext(bool backwards = false);

    QTextBrowser* browser() const { return m_browser; }
    QWidget* findBar() const { return m_findBar; }
    QLineEdit* findField() const { return m_findField; }
    QLabel* findStatus() const { return m_findStatus; }
    QAction* backAction() const { return m_back; }
    QAction* forwardAction() const { return m_forward; }

  signals:
    /// A page was asked for (by showPage), whether or not it was shown before.
    void pageShown(const QString& page);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createToolRow(class QBoxLayout* top);
    void createFindBar(class QBoxLayout* top);
    QAction* addCommand(const QString& text, const QList<QKeySequence>& keys);
    void followLink(const QUrl& url);
    void highlightMatches();
    void escape();
    void keepAboveModalWindow();

    QTextBrowser* m_browser = nullptr;
    QWidget* m_findBar = nullptr;
    QLineEdit* m_findField = nullptr;
    QLabel* m_findStatus = nullptr;
    QAction* m_back = nullptr;
    QAction* m_forward = nullptr;
    QAction* m_contents = nullptr;
    QAction* m_find = nullptr;
    QString m_folder;
};

/// The program's one help window, made on first use and kept (with its
/// history) until the program ends.
CLSWndHelp& SharedHelpWindow();
