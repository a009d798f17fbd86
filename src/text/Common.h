#pragma once

#include <cstdint>

#include "text/Geometry.h"
#include "text/TString.h"

class CLSFileWriteString;

/// Character-set number of a name ("SHIFTJIS" -> 128, any case), of a text
/// starting with a digit (its number), or -1 for an unknown name.
int charsetFromName(const char* name);
/// Name of a character set; a number without a name in decimal; -1 as "".
CLSTString charsetToName(int charset);

/// "3.0" for the version value 30.
CLSTString versionText(int version);

/// Elapsed time as H時間M分S秒 in whole seconds, leading zero units left out.
CLSTString intervalText(int64_t milliseconds);

/// The type value of writeKey that writes a colour text.
constexpr int kKeyTypeColour = 6;

// Lines of the settings and design files (CR LF each).
void writeSection(CLSFileWriteString& file, const char* name);
void writeKey(CLSFileWriteString& file, const char* name, int value, int type = 0);
void writeKeyText(CLSFileWriteString& file, const char* name, const CLSTString& text);
/// An empty list still ends its line, so the key after it is not swallowed.
void writeKeyList(CLSFileWriteString& file, const char* name, const int* values, int count);
void writeKeyFlag(CLSFileWriteString& file, const char* name, bool flag);
/// Four keys: name + Left, Top, Width, Height.
void writeKeyRect(CLSFileWriteString& file, const char* name, const CLSRect& rect);
