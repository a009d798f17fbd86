#pragma once

#include <QDialog>
#include <optional>
#include <utility>

#include "editor/QuestionTools.h"
#include "text/widgets/NumberSpinBox.h"

class CLSVorelDataFile;
class CLSVorelSettings;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

/// What a confirmed conditional select asks for.
struct CLSSelectRequest {
    std::pair<int, int> lines;  // line indexes walked
    CLSSelectCondition condition;
    SelectAction action = SelectAction::kNew;
};

/// "条件選択": a range by line, question or title number with previews of
/// both ends, a condition (group, text or mark) and what to do with the
/// rows that meet it; the description line under them says it all in one
/// sentence. A range out of bounds is refused and the dialog stays open.
class CLSDlgSelectWhere : public QDialog {
    Q_OBJECT
  public:
    CLSDlgSelectWhere(const CLSVorelDataFile& doc, CLSVorelSettings& settings, QWidget* parent);

    const std::optional<CLSSelectRequest>& request() const { return m_request; }

    QComboBox* rangeKindBox() const { return m_kind; }
    QSpinBox* fromBox() const { return m_from; }
    QSpinBox* toBox() const { return m_to; }
    QLineEdit* fromPreview() const { return m_fromPreview; }
    QLabel* description() const { return m_description; }

  private:
    RangeKind kind() const;
    void rangeKindChanged();
    void update();
    bool condition(CLSSelectCondition& out, bool quiet) const;
    SelectAction action() const;
    void confirm();

    const CLSVorelDataFile& m_doc;
    CLSVorelSettings& m_settings;
    QComboBox* m_kind = nullptr;
    CLSNumberSpinBox* m_from = nullptr;
    CLSNumberSpinBox* m_to = nullptr;
    QLineEdit* m_fromPreview = nullptr;
    QLineEdit* m_toPreview = nullptr;
    QButtonGroup* m_by = nullptr;
    QComboBox* m_group = nullptr;
    QLineEdit* m_text = nullptr;
    QPushButton* m_targets = nullptr;
    QComboBox* m_mark = nullptr;
    QButtonGroup* m_action = nullptr;
    QLabel* m_description = nullptr;
    std::optional<CLSSelectRequest> m_request;
};
