#pragma once

#include <string>

#include "text/TString.h"

class CLSFileWriteString;
class CLSVorelDataFile;
class CLSVorelDataItem;

/// One line in the data file's text form for a file of the given version
/// (without CR LF): fields as read where nobody edited them.
CLSTString DataLineText(const CLSVorelDataItem& line, int version);

/// The review schedule line that follows a question line in a file of the
/// given version (without CR LF); empty for any other line, for a question
/// without a schedule and for the layouts before 3.0.
std::string ReviewLineOf(const CLSVorelDataItem& line, int version);

/// The whole document in the data file's text form (CR LF lines): fields as
/// read where nobody edited them. Throws CLSError code 6 when writing fails.
void WriteDataFile(CLSFileWriteString& file, const CLSVorelDataFile& doc);
