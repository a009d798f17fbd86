#pragma once

#include <QDialog>

class CLSVorelDataFile;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

/// "データ情報": what the document holds (file name, lines, titles,
/// questions, the groups with their names and question counts) and where
/// its version and encoding are changed. The version list is enabled only
/// while the editor is open (editorOpen); OK then converts the document.
class CLSDlgDataInfo : public QDialog {
    Q_OBJECT
  public:
    CLSDlgDataInfo(CLSVorelDataFile& doc, bool editorOpen, QWidget* parent = nullptr);

    QLabel* fileName() const { return m_fileName; }
    QComboBox* versionList() const { return m_versions; }
    /// "Shift-JIS" or "UTF-8".
    QComboBox* encodingList() const { return m_encodings; }
    /// "行数", "タイトル数" and "問題数" (0, 1, 2).
    QLabel* count(int which) const { return m_counts[which]; }
    QTableWidget* groupTable() const { return m_groups; }
    QPushButton* okButton() const { return m_ok; }
    /// The version value the list shows.
    int chosenVersion() const;

  signals:
    /// The document was converted to another version or encoding (the
    /// editor refreshes).
    void versionChanged(int version);

  protected:
    void accept() override;

  private:
    CLSVorelDataFile& m_doc;
    QLabel* m_fileName = nullptr;
    QComboBox* m_versions = nullptr;
    QComboBox* m_encodings = nullptr;
    QLabel* m_counts[3] = {};
    QTableWidget* m_groups = nullptr;
    QPushButton* m_ok = nullptr;
};

/// Shows the data information of the document (the main window's and the
/// editor's "データ情報(&N)..."); true when the version was changed.
bool ShowDataInfo(QWidget* parent, CLSVorelDataFile& doc, bool editorOpen);
