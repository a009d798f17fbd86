#pragma once

#include <QDialog>

#include "quiz/ExamMode.h"

class CLSExam;
class CLSNumberSpinBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QSlider;

/// "回数指定": how many questions a counted random or weak-point run asks,
/// whether a question may come twice, and (weak-point runs only) how
/// strongly wrong answers are preferred. "出題" stores the three settings;
/// an impossible count is refused with a message (through the document's
/// prompter) and the dialog stays open.
class CLSDlgCount : public QDialog {
    Q_OBJECT
  public:
    /// mode is the run asking: a counted run or weak points.
    CLSDlgCount(CLSExam& exam, CLSExamMode mode, QWidget* parent = nullptr);

    /// The count's upper limit under the check box.
    int limit() const { return m_limit; }

    CLSNumberSpinBox* countBox() const { return m_count; }
    QCheckBox* noRepeatBox() const { return m_noRepeat; }
    QSlider* strengthSlider() const { return m_strength; }
    QGroupBox* strengthGroup() const { return m_group; }
    QLabel* limitLabel() const { return m_limitLabel; }

    void accept() override;

  private:
    void applyNoRepeat();

    CLSExam& m_exam;
    CLSNumberSpinBox* m_count = nullptr;
    QLabel* m_limitLabel = nullptr;
    QCheckBox* m_noRepeat = nullptr;
    QGroupBox* m_group = nullptr;
    QSlider* m_strength = nullptr;
    int m_limit = 0;
};

/// Runs the count dialog modally; true when the learner pressed "出題".
/// Fits CLSExam::examStart's askCount: [&] { return RunCountDialog(w, exam, mode); }.
bool RunCountDialog(QWidget* parent, CLSExam& exam, CLSExamMode mode);
