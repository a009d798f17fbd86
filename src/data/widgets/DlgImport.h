#pragma once

#include <QDialog>

#include "data/ImportReader.h"
#include "text/TString.h"

class CLSImportPreviewModel;
class CLSVorelDataFile;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

/// "インポート": how a delimited file is read (separator, encoding, header,
/// HTML), a preview of its first records in which each column is given its
/// role, and the import that replaces the document by the file's questions.
/// The preview shows the first kPreviewRecords records; the import takes
/// every record.
class CLSDlgImport : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kPreviewRecords = 1000;

    /// proposal: what the file's start says (InspectImportFile).
    CLSDlgImport(CLSVorelDataFile& doc, const CLSTString& path, const CLSImportProposal& proposal,
                 QWidget* parent = nullptr);

    QComboBox* separatorList() const { return m_separator; }
    QComboBox* encodingList() const { return m_encoding; }
    QCheckBox* headerBox() const { return m_header; }
    QCheckBox* htmlBox() const { return m_html; }
    QTableView* preview() const { return m_preview; }
    CLSImportPreviewModel* model() const { return m_model; }
    QLabel* note() const { return m_note; }
    QPushButton* importButton() const { return m_import; }
    /// How the file is read with the choices shown.
    CLSImportOptions options() const;
    /// Shows the role menu of a column below its header.
    void chooseRole(int column);

  private:
    void createChoices(class QGridLayout* grid);
    void createButtons(class QBoxLayout* row);
    /// Reads the preview again; proposeRoles: the roles follow the column names.
    void refill(bool proposeRoles);
    void import();

    CLSVorelDataFile& m_doc;
    CLSTString m_path;
    CLSImportProposal m_proposal;
    QComboBox* m_separator = nullptr;
    QComboBox* m_encoding = nullptr;
    QCheckBox* m_header = nullptr;
    QCheckBox* m_html = nullptr;
    QTableView* m_preview = nullptr;
    CLSImportPreviewModel* m_model = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_import = nullptr;
};

/// Imports a chosen file: a file that is no text is refused with a message,
/// otherwise the import dialog; true when the document was replaced.
bool ImportFileWithDialog(QWidget* parent, CLSVorelDataFile& doc, const CLSTString& path);
/// The main window's "インポート(&I)...": the file to import is chosen,
/// then imported as ImportFileWithDialog does.
bool ImportWithDialog(QWidget* parent, CLSVorelDataFile& doc);
