#pragma once

#include <QDialog>

#include "text/TextEncoding.h"

class CLSVorelDataFile;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// "エクスポート": the questions of the document as comma- or TAB-separated
/// text in CP932 or UTF-8. The file name starts as the document's with
/// ".csv"; an existing file is overwritten only when the learner says Yes
/// (No closes without writing, Cancel returns here).
class CLSDlgExport : public QDialog {
    Q_OBJECT
  public:
    explicit CLSDlgExport(const CLSVorelDataFile& doc, QWidget* parent = nullptr);

    QLineEdit* pathEdit() const { return m_path; }
    QPushButton* browseButton() const { return m_browse; }
    QRadioButton* commaButton() const { return m_comma; }
    QRadioButton* tabButton() const { return m_tab; }
    QComboBox* encodingList() const { return m_encoding; }
    QCheckBox* hintsBox() const { return m_hints; }
    QPushButton* saveButton() const { return m_save; }
    /// Whether the last save wrote the file.
    bool written() const { return m_written; }

  private:
    void browse();
    void save();

    const CLSVorelDataFile& m_doc;
    QLineEdit* m_path = nullptr;
    QPushButton* m_browse = nullptr;
    QRadioButton* m_comma = nullptr;
    QRadioButton* m_tab = nullptr;
    QComboBox* m_encoding = nullptr;
    QCheckBox* m_hints = nullptr;
    QPushButton* m_save = nullptr;
    bool m_written = false;
};

/// The main window's "エクスポート(&E)...": the export dialog.
void ExportWithDialog(QWidget* parent, const CLSVorelDataFile& doc);
