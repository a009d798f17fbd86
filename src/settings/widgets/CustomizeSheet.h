#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "text/widgets/QtPrompter.h"

class CLSCustomizePage;
class CLSVorelSettings;
class QPushButton;
class QTabWidget;
class SoundPlayer;

/// "カスタマイズ": the six pages through which the learner changes the
/// settings and the design. Confirming judges every page first; a page
/// that refuses is brought to the front with its warning and nothing is
/// stored, otherwise every page stores and applied() is emitted.
class CLSCustomizeSheet : public QDialog {
    Q_OBJECT

  public:
    enum Page { kGeneral, kSound, kComparison, kDesign, kQuestion, kAnswer, kReview, kPageCount };

    /// player plays the sound page's files (may be nullptr).
    CLSCustomizeSheet(CLSVorelSettings& settings, SoundPlayer* player, QWidget* parent = nullptr);

    CLSCustomizePage* page(int index) const;
    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* applyButton() const { return m_apply; }
    /// Judges and stores every page ("適用(&A)" and OK); false when a page
    /// refused.
    bool apply();
    void accept() override;
    void done(int result) override;

  signals:
    /// The settings were stored: the screens apply them again.
    void applied();

  private:
    CLSVorelSettings& m_settings;
    SoundPlayer* m_player;
    QtPrompter m_prompter;
    QTabWidget* m_tabs = nullptr;
    std::vector<CLSCustomizePage*> m_pages;
    QPushButton* m_apply = nullptr;
};

/// Shows the sheet modally; applied runs each time the learner's settings
/// were stored (OK or "適用"). The sheet opens on the page shown last.
void CreateCustomizeProp(QWidget* owner, CLSVorelSettings& settings, SoundPlayer* player,
                         const std::function<void()>& applied);
