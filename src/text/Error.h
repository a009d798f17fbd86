#pragma once

#include <string>
#include <vector>

class CLSTString;
class Prompter;

/// The program's one error type: the module that raised it, the line of the
/// raising statement and a code 0-12 whose message is looked up when shown.
/// Constructing one adds its line to the trace ring.
class CLSError {
  public:
    enum Code {
        kDialog = 0,
        kOpen = 1,
        kPrint = 2,
        kClipboard = 3,
        kRead = 4,
        kRegisterClass = 5,
        kWrite = 6,
        kDestructor = 7,
        kParameter = 8,
        kNotImplemented = 9,
        kMemory = 10,
        kIndex = 11,
        kUnexpected = 12,
    };

    CLSError(const char* source, int line, int code);

    const char* source() const { return m_source.c_str(); }
    int line() const { return m_line; }
    int code() const { return m_code; }
    /// The CP932 message of the code; "???" for an unknown code.
    const char* message() const { return messageOf(m_code); }
    static const char* messageOf(int code);

  private:
    std::string m_source;
    int m_line;
    int m_code;
};

/// Shows an error box with "message\n\nsource : line行".
void showError(const CLSError& error, Prompter& prompter);
/// Shows an error box with the given text; nothing for a missing text.
void showErrorText(Prompter& prompter, const char* text);
/// The text showError displays (also used by the CLI on stderr).
CLSTString errorText(const CLSError& error);

// ---- trace ring ---------------------------------------------------------

constexpr int kTraceLines = 70;
constexpr int kTraceLineBytes = 255;

void traceIn(const char* name);
void traceOut(const char* name);
/// Adds one line (cut to 255 bytes) to the ring; rewrites DEBUG.LOG in debug mode.
void traceLine(const char* text);

/// Process-wide debug mode (the settings' DebugMode and the customisation sheet).
void setDebugMode(bool on);
bool debugMode();
/// Native path of DEBUG.LOG; the default is "DEBUG.LOG" in the current folder.
void SetTraceFilePath(const std::string& nativePath);
/// The ring from newest (index 0) to oldest; empty slots are empty strings.
std::vector<std::string> TraceRing();
int TraceDepth();
/// Empties the ring and resets the depth (tests).
void ResetTrace();

/// Brackets a traced function: traceIn on construction, traceOut on normal exit.
/// An exception leaves without the "out" line, as the trace is meant to show.
class CLSTraceScope {
  public:
    explicit CLSTraceScope(const char* name);
    ~CLSTraceScope();
    CLSTraceScope(const CLSTraceScope&) = delete;
    CLSTraceScope& operator=(const CLSTraceScope&) = delete;

  private:
    const char* m_name;
    int m_uncaught;
};

#define VR_THROW(source, code) throw CLSError((source), __LINE__, (code))
