#pragma once

#include <array>
#include <memory>
#include <vector>

#include "data/VorelDataItem.h"
#include "text/TString.h"
#include "text/TextEncoding.h"

class CLSFileReadLine;
class Prompter;

/// What a data file holds after its header: the lines, the ten group names
/// and the message.
struct CLSDataFileBody {
    std::vector<std::unique_ptr<CLSVorelDataItem>> lines;
    std::array<CLSTString, 10> groupNames;
    CLSTString message;
};

/// The header line "VORELDATA Vd.d" as read (its bytes): false when the
/// line is not one, otherwise the version as 12 for 1.2 and the file's
/// encoding, UTF-8 when the line starts with a byte-order mark.
bool ReadDataFileHeader(const CLSTString& line, int* version, CLSTextEncoding* encoding);

/// Why a file of this version and encoding cannot be read, or null: only
/// the 3.0 layout is ever UTF-8.
const char* DataFileHeaderProblem(int version, CLSTextEncoding encoding);

/// Reads every line after the header of a file of the given version and
/// encoding; the file's own encoding is left as bytes. A
/// setting line of an unknown key is reported through the prompter with its
/// line number; lines that fit no grammar are kept as comments holding them.
/// Throws CLSError when the file cannot be read.
void ReadDataFileBody(CLSFileReadLine& file, int version, CLSTextEncoding encoding, int historySize,
                      Prompter& prompter, CLSDataFileBody& body);

/// One line of a data file (lineNumber counts the header as 1). The group
/// and message lines make no item (kind 0): their values go into body.
CLSVorelDataItem ParseDataFileLine(const CLSTString& line, int version, int lineNumber,
                                   int historySize, Prompter& prompter, CLSDataFileBody& body);

/// Whether a comment line read after the line `before` is a review
/// schedule line, taken in (its schedule given to that question) or
/// dropped (one that no longer belongs to the question before it). Any
/// other comment stays a line of its own.
bool TakeReviewLine(const CLSVorelDataItem& comment, CLSVorelDataItem& before);
