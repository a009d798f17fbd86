#include "text/Error.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <exception>
#include <mutex>

#include "text/Codec.h"
#include "text/Language.h"
#include "text/Prompter.h"
#include "text/TString.h"

namespace {

// The trace belongs to the interface thread, but an error raised on a worker
// thread (a file read in parallel) must not tear it.
std::mutex& traceMutex() {
    static std::mutex m;
    return m;
}

struct TraceState {
    // Slot 0 is the newest line. The ring is rotated by an index instead of
    // moving every slot, which gives the same order at a fraction of the cost.
    std::array<std::string, kTraceLines> slots;
    int newest = 0;
    int depth = 0;
    bool debug = false;
    std::string path = "DEBUG.LOG";
};

TraceState& trace() {
    static TraceState state;
    return state;
}

void writeDebugLog(const TraceState& t) {
    int fd = ::open(t.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;  // a trace file that cannot be made is no reason to stop
    std::string text = std::string(kAppTitle) + " Ver." + VOREL_VERSION_TEXT + "\r\n";
    for (int age = kTraceLines - 1; age >= 0; --age) {
        text += t.slots[(t.newest + age) % kTraceLines];
        text += "\r\n";
    }
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n <= 0) break;
        p += n;
        left -= n;
    }
    ::close(fd);
}

void addIndented(int depth, const char* name, const char* suffix) {
    std::string line(2 * depth, ' ');
    line += name;
    line += suffix;
    traceLine(line.c_str());
}

}  // namespace

CLSError::CLSError(const char* source, int line, int code)
    : m_source(source ? source : ""), m_line(line), m_code(code) {
    char buf[kTraceLineBytes + 1];
    std::snprintf(buf, sizeof buf, "%s(%d行): %s", m_source.c_str(), m_line, message());
    traceLine(buf);
}

const char* CLSError::messageOf(int code) {
    switch (code) {
        case kDialog:
            return VT("ダイアログを表示できません。");
        case kOpen:
            return VT("ファイルを開けません。");
        case kPrint:
            return VT("印刷時にエラーが発生しました。");
        case kClipboard:
            return VT("クリップボードから読み取れません。");
        case kRead:
            return VT("ファイルを読み込めません。");
        case kRegisterClass:
            return VT("ウィンドウクラスを登録できません。");
        case kWrite:
            return VT("ファイルに書き込めません。");
        case kDestructor:
            return VT("デストラクタが不正呼び出しされました。");
        case kParameter:
            return VT("パラメータが不正です。");
        case kNotImplemented:
            return VT("その機能は実装されていません。");
        case kMemory:
            return VT("メモリ不足です。");
        case kIndex:
            return VT("添字が範囲外です。");
        case kUnexpected:
            return VT("予期しないエラーです。");
        default:
            return "???";
    }
}

CLSTString errorText(const CLSError& error) {
    CLSTString text(error.message());
    text.append("\n\n").append(error.source()).append(" : ");
    text.append(Fill(VT("%1行"), {std::to_string(error.line())}).c_str());
    return text;
}

void showError(const CLSError& error, Prompter& prompter) {
    prompter.message(PromptIcon::Error, errorText(error));
}

void showErrorText(Prompter& prompter, const char* text) {
    if (!text) return;
    prompter.message(PromptIcon::Error, CLSTString(text));
}

void traceLine(const char* text) {
    std::lock_guard<std::mutex> lock(traceMutex());
    TraceState& t = trace();
    t.newest = (t.newest + kTraceLines - 1) % kTraceLines;
    size_t n = text ? std::strlen(text) : 0;
    if (n > kTraceLineBytes) n = kTraceLineBytes;
    t.slots[t.newest].assign(text ? text : "", n);
    if (t.debug) writeDebugLog(t);
}

void traceIn(const char* name) {
    TraceState& t = trace();
    addIndented(t.depth, name, "() in");
    ++t.depth;
}

void traceOut(const char* name) {
    TraceState& t = trace();
    if (t.depth > 0) --t.depth;
    addIndented(t.depth, name, "() out");
}

void setDebugMode(bool on) {
    trace().debug = on;
}
bool debugMode() {
    return trace().debug;
}
void SetTraceFilePath(const std::string& nativePath) {
    trace().path = nativePath;
}
int TraceDepth() {
    return trace().depth;
}

std::vector<std::string> TraceRing() {
    const TraceState& t = trace();
    std::vector<std::string> lines;
    lines.reserve(kTraceLines);
    for (int age = 0; age < kTraceLines; ++age)
        lines.push_back(t.slots[(t.newest + age) % kTraceLines]);
    return lines;
}

void ResetTrace() {
    TraceState& t = trace();
    for (std::string& s : t.slots)
        s.clear();
    t.newest = 0;
    t.depth = 0;
}

CLSTraceScope::CLSTraceScope(const char* name)
    : m_name(name), m_uncaught(std::uncaught_exceptions()) {
    traceIn(name);
}

CLSTraceScope::~CLSTraceScope() {
    if (std::uncaught_exceptions() == m_uncaught) {
        traceOut(m_name);
    } else {
        // Leaving by an error: no "out" line, but the depth stays right so
        // that later lines are indented as before.
        TraceState& t = trace();
        if (t.depth > 0) --t.depth;
    }
}
