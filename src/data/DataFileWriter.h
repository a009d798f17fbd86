#pragma once

class CLSFileWriteString;
class CLSVorelDataFile;

/// The whole document in the data file's text form (CR LF lines): fields as
/// read where nobody edited them. Throws CLSError code 6 when writing fails.
void WriteDataFile(CLSFileWriteString& file, const CLSVorelDataFile& doc);
