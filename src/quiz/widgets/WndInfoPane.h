#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "quiz/InfoPaneText.h"
#include "quiz/ReviewRun.h"
#include "text/Colour.h"

class CLSExam;
class CLSVorelDataFile;
class Clock;
class QPainter;
class QTimer;

/// The information pane beside the study screen's exam area: usage tips
/// typed out while no run is going, the run's method, answer mode, rate,
/// questions left and time during a run, and a clock at its foot. It beats
/// on a 100 ms timer, paced by the clock, and draws into an off-screen
/// picture that is copied to the screen in one step.
class CLSWndInfoPane : public QWidget {
    Q_OBJECT

  public:
    CLSWndInfoPane(const CLSVorelDataFile& doc, const CLSExam& exam, const Clock& clock,
                   QWidget* parent = nullptr);

    /// The font of the design's information-pane item.
    void setPaneFont(const QFont& font);
    /// One beat of the timer: the tips move on by the time the clock says
    /// has passed, and the pane is drawn again.
    void tick();

    const CLSInfoPaneTips& tips() const { return m_tips; }
    InfoPaneMode mode() const { return m_tips.mode(); }
    /// What the pane shows now, line by line as drawn: the typed tip, or
    /// each entry's label and value (tests and screen readers).
    QStringList shownTexts() const { return m_shown; }
    /// What a screen reader reads: each entry of a run as "label: value"
    /// on a line of its own, or the day's counts and the whole tip being
    /// typed (not the part typed so far, which changes ten times a second).
    QString spokenText() const;
    /// The clock as drawn ("09:30", or "09 30" while the colon blinks off).
    QString clockText() const { return m_clockText; }
    /// How many of the run's entries fitted.
    int entriesShown() const { return m_entriesShown; }
    QTimer* timer() const { return m_timer; }
    /// The day's reviews, shown above the tips while a file is open and no
    /// run goes on; nothing hides them.
    void setDayCounts(const std::optional<CLSReviewDayCounts>& counts);
    const std::optional<CLSReviewDayCounts>& dayCounts() const { return m_dayCounts; }

    static constexpr Colour kTextColour = makeColour(0, 0, 200);
    static constexpr Colour kBackColour = makeColour(216, 216, 255);

  signals:
    /// The day the counts were made for is over (told once per counts).
    void dayCountsExpired();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void render();
    /// Draws labelled entries from the top of area; returns their bottom.
    int drawEntries(QPainter& p, const std::vector<CLSInfoPaneEntry>& entries, const QRect& area);
    InfoPaneMode currentMode() const;

    const CLSVorelDataFile& m_doc;
    const CLSExam& m_exam;
    const Clock& m_clock;
    CLSInfoPaneTips m_tips;
    QTimer* m_timer = nullptr;
    QImage m_buffer;
    QFont m_font;
    QStringList m_shown;
    QString m_clockText;
    int m_entriesShown = 0;
    std::optional<CLSReviewDayCounts> m_dayCounts;
    bool m_expiryTold = false;
};
