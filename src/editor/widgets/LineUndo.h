#pragma once

#include <QUndoCommand>
#include <array>
#include <functional>
#include <vector>

#include "editor/LineChange.h"
#include "text/TString.h"

class CLSVorelDataFile;

/// The list's selected lines (ascending) and its current line.
struct CLSLineSelection {
    std::vector<int> lines;
    int current = -1;
};

/// A line command of the editor on its undo stack. Pushing it makes the
/// change; after each do and undo the editor is told what changed, to
/// update its list, and which selection goes with the lines now: the one
/// in force before the change when it is undone, the one it first made
/// when it is made again.
class CLSLineCommand : public QUndoCommand {
  public:
    /// done(change, undone, selection) after the change was made (undone
    /// false) or taken back.
    using Done = std::function<void(const CLSLineChange& change, bool undone,
                                    const CLSLineSelection& selection)>;

    CLSLineCommand(const QString& text, CLSVorelDataFile& doc, CLSLineChange change,
                   CLSLineSelection before, CLSLineSelection after, Done done);
    void redo() override;
    void undo() override;

  private:
    CLSVorelDataFile& m_doc;
    CLSLineChange m_change;
    CLSLineSelection m_before;
    CLSLineSelection m_after;
    Done m_done;
};

/// The document's group names and message, changed as one undoable step.
class CLSDocumentTextsCommand : public QUndoCommand {
  public:
    struct Texts {
        std::array<CLSTString, 10> groupNames;
        CLSTString message;
    };
    CLSDocumentTextsCommand(const QString& text, CLSVorelDataFile& doc, Texts texts,
                            std::function<void()> done);
    void redo() override;
    void undo() override;
    /// The document's group names and message now.
    static Texts current(const CLSVorelDataFile& doc);

  private:
    void swapIn();

    CLSVorelDataFile& m_doc;
    Texts m_texts;
    std::function<void()> m_done;
};
