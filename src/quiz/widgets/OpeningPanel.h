#pragma once

#include <QWidget>

class CLSVorelDataFile;
class QLabel;
class QPlainTextEdit;

/// The idle panel of the study screen: the open file's path, its question
/// count and message, and the logo.
class CLSOpeningPanel : public QWidget {
    Q_OBJECT
  public:
    explicit CLSOpeningPanel(CLSVorelDataFile& doc, QWidget* parent = nullptr);

    /// Shows the document's path, question count and message again.
    void refresh();

    QPlainTextEdit* pathField() const { return m_path; }
    QLabel* countField() const { return m_count; }
    QPlainTextEdit* messageField() const { return m_message; }
    QLabel* picture() const { return m_picture; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void loadLogo();
    void relayout();

    CLSVorelDataFile& m_doc;
    QLabel* m_labels[3] = {};
    QPlainTextEdit* m_path = nullptr;
    QLabel* m_count = nullptr;
    QPlainTextEdit* m_message = nullptr;
    QLabel* m_picture = nullptr;
};
