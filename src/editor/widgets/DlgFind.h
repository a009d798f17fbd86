#pragma once

#include <QDialog>
#include <functional>

#include "text/TString.h"

class CLSVorelSettings;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QPushButton;

/// The text find looks for: one for the whole program, shared by the
/// editor and the question card window.
CLSTString& SharedFindText();
/// Whether find ignores case (and accents), shared the same way.
bool& SharedFindFoldsCase();
/// What find looks in and how it compares: the SearchFrom setting's places,
/// with SearchTarget::kFoldCase when case is ignored.
int SharedFindTargets(const CLSVorelSettings& settings);

/// "検索": the modeless find dialog, at most one at a time. Its owner (the
/// editor or the question card window) is its parent and is asked to find
/// with the direction chosen; the dialog stays open between finds and goes
/// with its owner.
class CLSDlgFind : public QDialog {
    Q_OBJECT
  public:
    using Finder = std::function<void(bool forward)>;

    /// Closes the dialog open now (whoever owns it) and opens a new one.
    static CLSDlgFind* open(QWidget* owner, CLSVorelSettings& settings, Finder find);
    /// The dialog open now, or nullptr.
    static CLSDlgFind* current();

    QLineEdit* textField() const { return m_text; }
    QCheckBox* foldCaseBox() const { return m_foldCase; }
    bool forward() const;

  private:
    CLSDlgFind(QWidget* owner, CLSVorelSettings& settings, Finder find);
    void find();

    CLSVorelSettings& m_settings;
    Finder m_find;
    QLineEdit* m_text = nullptr;
    QRadioButton* m_up = nullptr;
    QRadioButton* m_down = nullptr;
    QCheckBox* m_foldCase = nullptr;
    QPushButton* m_findButton = nullptr;
};

/// "検索対象": the six targets of find as check boxes; the mask goes to the
/// settings on OK. True when it changed.
bool EditSearchTargets(QWidget* parent, CLSVorelSettings& settings);

/// "検索を終了しました。", owned by the find dialog when it is open (its
/// field then has the keyboard again), otherwise by the view.
void ReportFindEnd(QWidget* view);
