#pragma once

#include <QDialog>

#include "settings/CustomizeRules.h"

class CLSVagueTable;
class Prompter;
class QLineEdit;
class QTableWidget;

/// "あいまい設定": the vague-match pairs in a list where pairs are added,
/// deleted or reset to the built-in table. OK replaces the table with the
/// list; cancel leaves it as it was.
class CLSDlgVague : public QDialog {
    Q_OBJECT

  public:
    CLSDlgVague(CLSVagueTable& table, Prompter& prompter, QWidget* parent = nullptr);

    /// "追加(&A)": the two texts become a pair (the longer one the key); two
    /// empty texts are refused with the program's message.
    void addPair();
    /// "削除(&D)": every selected line goes.
    void deleteSelected();
    /// "リセット(&R)": the built-in table.
    void resetList();
    void accept() override;

    const CLSVagueList& list() const { return m_list; }
    QTableWidget* view() const { return m_view; }
    QLineEdit* firstText() const { return m_text1; }
    QLineEdit* secondText() const { return m_text2; }

  private:
    void fill(int selectRow = -1);

    CLSVagueTable& m_table;
    Prompter& m_prompter;
    CLSVagueList m_list;
    QTableWidget* m_view = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
};
