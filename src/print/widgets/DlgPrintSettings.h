#pragma once

#include <QDialog>
#include <array>

#include "print/widgets/DlgPrintFonts.h"
#include "text/Colour.h"

class CLSVorelSettings;
class Prompter;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

/// "印刷設定": what is printed (titles, questions, answers and their
/// numbers with the number formats), the question column's share, the
/// three separators' styles and colours, the margin around blocks, the
/// font and picture scale, the paper ("用紙") and the print fonts
/// ("フォント"). OK writes everything into the settings; the paper is the
/// run's shared page set-up and changes at once.
class CLSDlgPrintSettings : public QDialog {
    Q_OBJECT
  public:
    /// The three printed parts, each with its number.
    enum Part { kTitle, kQuestion, kAnswer, kPartCount };
    /// The three separators: title-question, question-question, question-answer.
    enum Rule { kRuleQT, kRuleQQ, kRuleQA, kRuleCount };

    CLSDlgPrintSettings(CLSVorelSettings& settings, Prompter& prompter, QWidget* parent = nullptr);

    /// Refuses a number format with characters the data files cannot hold.
    void accept() override;
    /// Whether the page set-up was confirmed while the dialog was open.
    bool paperChanged() const { return m_paperChanged; }

    QCheckBox* printBox(Part part) const { return m_print[part]; }
    QCheckBox* numberBox(Part part) const { return m_number[part]; }
    QLineEdit* formatEdit(Part part) const { return m_format[part]; }
    QSpinBox* widthBox() const { return m_width; }
    QCheckBox* pageNumberBox() const { return m_pageNumber; }
    QCheckBox* testSheetBox() const { return m_testSheet; }
    QComboBox* styleBox(Rule rule) const { return m_style[rule]; }
    QPushButton* colourButton(Rule rule) const { return m_colourButton[rule]; }
    QSpinBox* marginBox() const { return m_margin; }
    QSpinBox* rateBox() const { return m_rate; }
    QPushButton* paperButton() const { return m_paper; }
    QPushButton* fontButton() const { return m_font; }
    const CLSPrintFontSet& fonts() const { return m_fonts; }
    Colour ruleColour(Rule rule) const { return m_colour[rule]; }

    /// "色": the colour chooser for a separator.
    void chooseRuleColour(Rule rule);
    /// "フォント": the print-font dialog over the fonts being edited.
    void editFonts();

  private:
    void createParts(QGridLayout* grid);
    void createRules(QGridLayout* grid);
    void applyEnabling();
    void showRuleColour(Rule rule);

    CLSVorelSettings& m_settings;
    Prompter& m_prompter;
    std::array<QCheckBox*, kPartCount> m_print{};
    std::array<QCheckBox*, kPartCount> m_number{};
    std::array<QLineEdit*, kPartCount> m_format{};
    QSpinBox* m_width = nullptr;
    QCheckBox* m_pageNumber = nullptr;
    QCheckBox* m_testSheet = nullptr;
    std::array<QComboBox*, kRuleCount> m_style{};
    std::array<QPushButton*, kRuleCount> m_colourButton{};
    std::array<Colour, kRuleCount> m_colour{};
    QSpinBox* m_margin = nullptr;
    QSpinBox* m_rate = nullptr;
    QPushButton* m_paper = nullptr;
    QPushButton* m_font = nullptr;
    CLSPrintFontSet m_fonts;
    bool m_paperChanged = false;
};
