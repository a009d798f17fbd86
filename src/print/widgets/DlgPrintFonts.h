#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "settings/VorelFont.h"
#include "settings/VorelSettings.h"

class QFont;
class QLabel;
class QListWidget;
class QPushButton;

/// How the print dialogs ask for a font and for a colour: the platform's
/// font dialog and the program's colour chooser. Tests put their own here.
struct CLSPrintChoosers {
    std::function<bool(QWidget* parent, QFont& font)> font;
    std::function<bool(QWidget* parent, Colour& colour)> colour;
};
CLSPrintChoosers& PrintChoosers();

using CLSPrintFontSet = std::array<CLSVorelFont, CLSVorelSettings::kPrintFontCount>;

/// The six print fonts of the settings object, in their order.
CLSPrintFontSet PrintFontsOf(const CLSVorelSettings& settings);
/// The name the learner sees for a print font ("タイトル" … "問題番号(答え)").
QString PrintFontName(int index);

/// "印刷フォント": the six print fonts, each with its face and size, text
/// colour and background colour, and a sample. It edits a copy; the caller
/// takes fonts() when the dialog is accepted.
class CLSDlgPrintFonts : public QDialog {
    Q_OBJECT
  public:
    CLSDlgPrintFonts(const CLSPrintFontSet& fonts, QWidget* parent = nullptr);

    const CLSPrintFontSet& fonts() const { return m_fonts; }
    int current() const;

    /// The buttons' actions on the selected font.
    void chooseFont();
    void chooseTextColour();
    void chooseBackColour();

    QListWidget* list() const { return m_list; }
    QLabel* sample() const { return m_sample; }

  private:
    void showSample();

    CLSPrintFontSet m_fonts;
    QListWidget* m_list = nullptr;
    QLabel* m_sample = nullptr;
};
