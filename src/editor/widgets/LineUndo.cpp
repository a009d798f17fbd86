#include "editor/widgets/LineUndo.h"

#include "data/VorelDataFile.h"
#include "text/Error.h"

CLSLineCommand::CLSLineCommand(const QString& text, CLSVorelDataFile& doc, CLSLineChange change,
                               CLSLineSelection before, CLSLineSelection after, Done done)
    : QUndoCommand(text),
      m_doc(doc),
      m_change(std::move(change)),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_done(std::move(done)) {}

void CLSLineCommand::redo() {
    m_change.apply(m_doc);
    if (m_done) m_done(m_change, false, m_after);
}

void CLSLineCommand::undo() {
    m_change.revert(m_doc);
    if (m_done) m_done(m_change, true, m_before);
}

CLSDocumentTextsCommand::CLSDocumentTextsCommand(const QString& text, CLSVorelDataFile& doc,
                                                 Texts texts, std::function<void()> done)
    : QUndoCommand(text), m_doc(doc), m_texts(std::move(texts)), m_done(std::move(done)) {}

CLSDocumentTextsCommand::Texts CLSDocumentTextsCommand::current(const CLSVorelDataFile& doc) {
    Texts t;
    for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g)
        t.groupNames[g] = doc.storedGroupName(g);
    t.message = doc.getMessage();
    return t;
}

// Doing and undoing are the same exchange of the kept texts with the document's.
void CLSDocumentTextsCommand::swapIn() {
    Texts before = current(m_doc);
    for (int g = 0; g < CLSVorelDataFile::kGroupCount; ++g)
        m_doc.setGroupName(g, m_texts.groupNames[g]);
    m_doc.setMessage(m_texts.message);
    m_texts = std::move(before);
    if (m_done) m_done();
}

void CLSDocumentTextsCommand::redo() {
    swapIn();
}

void CLSDocumentTextsCommand::undo() {
    swapIn();
}
