#pragma once

#include <QWidget>
#include <string>

#include "settings/CustomizeRules.h"

class CLSNumberSpinBox;
class CLSVorelSettings;
class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class SoundPlayer;

/// One page of the customisation sheet: its controls show a page value of
/// CustomizeRules.h, "リセット(&R)" shows the defaults, and the sheet asks
/// every page for its refusal before any page stores.
class CLSCustomizePage : public QWidget {
    Q_OBJECT

  public:
    CLSCustomizePage(const QString& title, int helpTopic, QWidget* parent);

    QString title() const { return m_title; }
    int helpTopic() const { return m_helpTopic; }
    QPushButton* resetButton() const { return m_reset; }
    /// Tab reaches the reset button, at the bottom, after the page's own
    /// controls (it is made before them).
    void placeResetLast();

    /// The warning that keeps the sheet open (CP932), "" when the page can be stored.
    virtual CLSTString refusal() const = 0;
    /// Writes the page into the settings (only after no page refused).
    virtual void store(CLSVorelSettings& settings) = 0;
    /// Shows the defaults; nothing is stored until the sheet is confirmed.
    virtual void reset() = 0;

  signals:
    /// The learner edited something on the page.
    void changed();

  protected:
    /// The page's own layout, above the reset button.
    QVBoxLayout* content() const { return m_content; }
    /// Every edit of the page's controls reports changed(), except while
    /// the page fills them itself.
    void watchControls();
    /// Runs fill with the change reports held back.
    template <typename Fill>
    void filling(Fill fill) {
        bool was = m_filling;
        m_filling = true;
        fill();
        m_filling = was;
    }
    bool isFilling() const { return m_filling; }
    void reportChange() {
        if (!m_filling) emit changed();
    }

  private:
    QString m_title;
    int m_helpTopic;
    QVBoxLayout* m_content = nullptr;
    QPushButton* m_reset = nullptr;
    bool m_filling = false;
};

/// A number field with the range its arrows keep to (a typed value outside
/// it is judged by the page).
CLSNumberSpinBox* NewNumberField(int minimum, int maximum, QWidget* parent);
/// A language by its own name: "日本語", "English".
QString LanguageName(const std::string& code);
/// A label that gives its mnemonic to the field after it.
QLabel* NewFieldLabel(const char* utf8, QWidget* buddy, QWidget* parent);
QLabel* NewFieldLabel(const QString& text, QWidget* buddy, QWidget* parent);
/// The unit shown after a number field ("秒"); a screen reader hears it as
/// the field's description.
QLabel* NewUnitLabel(const QString& unit, QWidget* field, QWidget* parent);

/// "一般": start-up, the exam history file and its size, history entries
/// per question, debug mode.
class CLSGeneralPageWidget : public CLSCustomizePage {
    Q_OBJECT
  public:
    CLSGeneralPageWidget(const CLSVorelSettings& settings, Prompter& prompter, QWidget* parent);
    CLSTString refusal() const override { return value().refusal(); }
    void store(CLSVorelSettings& settings) override { value().store(settings); }
    void reset() override;

    CLSGeneralPage value() const;
    void load(const CLSGeneralPage& page);
    QComboBox* languageChoice() const { return m_language; }

  private:
    void browse();
    void enableLogControls();

    Prompter& m_prompter;
    QCheckBox* m_loadLast = nullptr;
    QCheckBox* m_saveLog = nullptr;
    QLabel* m_logNameLabel = nullptr;
    QLineEdit* m_logName = nullptr;
    QPushButton* m_browse = nullptr;
    QLabel* m_logSizeLabel = nullptr;
    CLSNumberSpinBox* m_logSize = nullptr;
    QLabel* m_logSizeUnit = nullptr;
    CLSNumberSpinBox* m_historySize = nullptr;
    QCheckBox* m_debug = nullptr;
    QComboBox* m_language = nullptr;
};

/// "効果音": the sound switch and the files of the four sounds, which can be
/// chosen, dropped on the page and played.
class CLSSoundPageWidget : public CLSCustomizePage {
    Q_OBJECT
  public:
    CLSSoundPageWidget(const CLSVorelSettings& settings, Prompter& prompter, SoundPlayer* player,
                       QWidget* parent);
    CLSTString refusal() const override { return CLSTString(); }
    void store(CLSVorelSettings& settings) override { value().store(settings); }
    void reset() override;

    CLSSoundPage value() const;
    void load(const CLSSoundPage& page);
    /// Plays the selected sound's file ("再生(&P)"); an unplayable file is reported.
    void play();
    /// A file given by name (a drop, the file dialog) becomes the selected sound's file.
    void takeFile(const QString& nativePath);
    QListWidget* soundList() const { return m_list; }
    QLineEdit* fileField() const { return m_file; }

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void browse();
    void enableControls();

    Prompter& m_prompter;
    SoundPlayer* m_player;
    CLSSoundPage m_page;  // the working copy of the four names
    QCheckBox* m_sound = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_file = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_play = nullptr;
};

/// "文字列比較": the comparison options and the vague-match table.
class CLSComparisonPageWidget : public CLSCustomizePage {
    Q_OBJECT
  public:
    CLSComparisonPageWidget(CLSVorelSettings& settings, Prompter& prompter, QWidget* parent);
    CLSTString refusal() const override { return CLSTString(); }
    void store(CLSVorelSettings& settings) override { value().store(settings); }
    void reset() override;

    CLSComparisonPage value() const;
    void load(const CLSComparisonPage& page);
    QCheckBox* option(int i) const { return m_options[i]; }

  private:
    void enableOptions();

    CLSVorelSettings& m_settings;
    Prompter& m_prompter;
    int m_otherModeBits = 0;  // CompareMode bits the page does not show
    QCheckBox* m_useData = nullptr;
    QCheckBox* m_options[5] = {};
};

/// "問題": choices, heights, times and line spacing.
class CLSQuestionPageWidget : public CLSCustomizePage {
    Q_OBJECT
  public:
    CLSQuestionPageWidget(const CLSVorelSettings& settings, QWidget* parent);
    CLSTString refusal() const override { return value().refusal(); }
    void store(CLSVorelSettings& settings) override { value().store(settings); }
    void reset() override;

    CLSQuestionPage value() const;
    void load(const CLSQuestionPage& page);

  private:
    QCheckBox* m_useData = nullptr;
    CLSNumberSpinBox* m_choiceCount = nullptr;
    CLSNumberSpinBox* m_perLine = nullptr;
    QCheckBox* m_perLineAuto = nullptr;
    CLSNumberSpinBox* m_choiceHeight = nullptr;
    QCheckBox* m_choiceHeightAuto = nullptr;
    CLSNumberSpinBox* m_inputHeight = nullptr;
    QCheckBox* m_fromTitle = nullptr;
    QCheckBox* m_fromGroup = nullptr;
    QCheckBox* m_centre = nullptr;
    CLSNumberSpinBox* m_timeLimit = nullptr;
    CLSNumberSpinBox* m_showTime = nullptr;
    CLSNumberSpinBox* m_startTime = nullptr;
    CLSNumberSpinBox* m_lineInterval = nullptr;
};

/// "答え": the answer dialog's size, automatic click and contents.
class CLSAnswerPageWidget : public CLSCustomizePage {
    Q_OBJECT
  public:
    CLSAnswerPageWidget(const CLSVorelSettings& settings, QWidget* parent);
    CLSTString refusal() const override { return value().refusal(); }
    void store(CLSVorelSettings& settings) override { value().store(settings); }
    void reset() override;

    CLSAnswerPage value() const;
    void load(const CLSAnswerPage& page);

  private:
    void enableClickControls();

    CLSNumberSpinBox* m_width = nullptr;
    CLSNumberSpinBox* m_height = nullptr;
    CLSNumberSpinBox* m_clickTime = nullptr;
    QCheckBox* m_noClickWrong = nullptr;
    QLabel* m_buttonLabel = nullptr;
    QComboBox* m_button = nullptr;
    QCheckBox* m_comment = nullptr;
    QCheckBox* m_otherAnswers = nullptr;
};
