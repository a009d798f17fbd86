#pragma once

#include "settings/CustomizeRules.h"
#include "settings/widgets/CustomizePages.h"

class QComboBox;
class QListWidget;
class QSpinBox;

/// The design page's preview: the selected entry on the study screen's
/// background, framed as the study screen frames it.
class CLSDesignPreview : public QWidget {
    Q_OBJECT
  public:
    explicit CLSDesignPreview(QWidget* parent = nullptr);
    /// What to show; the design must outlive the preview.
    void setEntry(const CLSVorelSkin* design, int entry);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const CLSVorelSkin* m_design = nullptr;
    int m_entry = 0;
};

/// "デザイン": a working copy of the design's eight entries with their
/// fonts, colours and frames, a preview, and design files.
class CLSDesignPageWidget : public CLSCustomizePage {
    Q_OBJECT
  public:
    CLSDesignPageWidget(const CLSVorelSettings& settings, Prompter& prompter, QWidget* parent);
    CLSTString refusal() const override { return CLSTString(); }
    void store(CLSVorelSettings& settings) override { value().store(settings); }
    void reset() override;

    CLSDesignPage value() const;
    void load(const CLSDesignPage& page);
    /// The working copy.
    const CLSVorelSkin& design() const { return m_page.design; }

    int currentEntry() const;
    void selectEntry(int entry);
    /// "フォント(&F)...": the platform's font chooser for the entry's item.
    void chooseFont();
    /// Reads a design file into the working copy; a file that cannot be
    /// read is reported and changes nothing.
    bool loadDesign(const CLSTString& path);
    bool saveDesign(const CLSTString& path);

    QListWidget* entryList() const { return m_entries; }
    QComboBox* borderList() const { return m_border; }
    QSpinBox* borderWidth() const { return m_width; }
    QSpinBox* padding() const { return m_padding; }
    QSpinBox* margin() const { return m_margin; }
    CLSDesignPreview* preview() const { return m_preview; }

  private:
    void showEntry();
    void chooseColour(int which);
    void takeFrameValues();
    void browseLoad();
    void browseSave();
    void edited();

    Prompter& m_prompter;
    CLSDesignPage m_page;
    QCheckBox* m_useData = nullptr;
    QListWidget* m_entries = nullptr;
    QPushButton* m_font = nullptr;
    QPushButton* m_textColour = nullptr;
    QPushButton* m_backColour = nullptr;
    QLabel* m_borderLabel = nullptr;
    QComboBox* m_border = nullptr;
    QLabel* m_widthLabel = nullptr;
    QSpinBox* m_width = nullptr;
    QPushButton* m_borderColour = nullptr;
    QLabel* m_paddingLabel = nullptr;
    QSpinBox* m_padding = nullptr;
    QLabel* m_marginLabel = nullptr;
    QSpinBox* m_margin = nullptr;
    CLSDesignPreview* m_preview = nullptr;
};
