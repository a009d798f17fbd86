#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "data/VorelDataQuestion.h"
#include "text/TString.h"

/// What the learner's answers did to the questions since the file was read:
/// history entries appended (with their results as corrected since), the
/// newest result of an older entry corrected, marks set. It lets these go
/// to the same questions of a newer copy of the file when another program
/// changed it meanwhile. Questions are held by address, which stays valid
/// while no line is edited; the document drops the journal with the lines.
class CLSAnswerJournal {
  public:
    struct Record {
        std::vector<CLSHistoryEntry> appended;
        bool corrected = false;         // the newest entry read was corrected
        CLSHistoryEntry correctedFrom;  // that entry as it was read
        int correctedTo = 0;
        bool markSet = false;
        int mark = 0;
    };

    void clear();
    bool isEmpty() const { return m_records.empty(); }
    /// An entry appended to the question's history.
    void appended(const CLSVorelDataQuestion& question, const CLSHistoryEntry& entry);
    /// The question's newest entry (as given, before the change) got a new result.
    void corrected(const CLSVorelDataQuestion& question, const CLSHistoryEntry& newest, int result);
    /// The question's mark was set.
    void marked(const CLSVorelDataQuestion& question, int mark);

    /// The record of a question, or nullptr.
    const Record* recordOf(const CLSVorelDataQuestion& question) const;

  private:
    Record& recordFor(const CLSVorelDataQuestion& question);

    std::unordered_map<const CLSVorelDataQuestion*, Record> m_records;
};

/// The identity of a question across copies of a file: its question text
/// and its accepted answers.
std::string QuestionIdentity(const CLSVorelDataQuestion& question);

/// Appends an entry keeping at most historySize entries (none when it is 0
/// or less), as recording an answer does.
void AppendHistoryEntry(CLSVorelDataQuestion& question, const CLSHistoryEntry& entry,
                        int historySize);

/// Applies the journal of the questions in `from` (all questions of the
/// document the answers were given in, in file order) to the questions of
/// `to` (those of the newer copy, in file order). A question goes to the
/// one with the same identity; several with one identity go in their order.
/// Returns the question texts whose answers found no place.
std::vector<CLSTString> ApplyAnswerJournal(const CLSAnswerJournal& journal,
                                           const std::vector<const CLSVorelDataQuestion*>& from,
                                           const std::vector<CLSVorelDataQuestion*>& to,
                                           int historySize);
