#include "TestSupport.h"

#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "text/Codec.h"

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/vorel-test-XXXXXX";
    char* made = ::mkdtemp(pattern.data());
    m_path = made ? made : "/tmp";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string ReadFileBytes(const std::string& nativePath) {
    std::ifstream in(nativePath, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFileBytes(const std::string& nativePath, const std::string& bytes) {
    std::ofstream out(nativePath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

CLSTString Sj(const char* utf8) {
    return CLSTString(utf8);
}

std::string U8(const CLSTString& text) {
    return text.str();
}

PromptAnswer FakePrompter::ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                               int) {
    entries.push_back({icon, buttons, U8(text), {}, -1});
    if (onAsk) onAsk();
    if (buttons == PromptButtons::Ok) return PromptAnswer::Ok;
    if (!answers.empty()) {
        PromptAnswer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    return fallback;
}

int FakePrompter::askChoice(PromptIcon icon, const CLSTString& text,
                            const std::vector<CLSTString>& labels, int defaultAnswer) {
    Entry entry{icon, PromptButtons::Ok, U8(text), {}, defaultAnswer};
    for (const CLSTString& label : labels)
        entry.choices.push_back(U8(label));
    entries.push_back(std::move(entry));
    if (onAsk) onAsk();
    if (!choices.empty()) {
        int c = choices.front();
        choices.erase(choices.begin());
        return c;
    }
    return choiceFallback;
}

std::string ShellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

int RunCommand(const std::string& command, std::string* out, std::string* err,
               const std::string& input) {
    TempDir dir;
    std::string inPath = dir.file("stdin");
    std::string outPath = dir.file("stdout");
    std::string errPath = dir.file("stderr");
    WriteFileBytes(inPath, input);
    std::string full = command + " <" + ShellQuote(inPath) + " >" + ShellQuote(outPath) + " 2>" +
                       ShellQuote(errPath);
    int status = std::system(full.c_str());
    if (out) *out = ReadFileBytes(outPath);
    if (err) *err = ReadFileBytes(errPath);
    if (status == -1) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string CliPath() {
    return VOREL_CLI_PATH;
}

std::string RunCli(const std::string& args, int* status, std::string* err) {
    std::string out;
    int s = RunCommand(ShellQuote(CliPath()) + " " + args, &out, err);
    if (status) *status = s;
    return out;
}

std::string SharedTestData(const std::string& sub) {
    const char* env = std::getenv("VOREL_TESTDATA");
    std::string base = env && *env ? env : VOREL_SHARED_TESTDATA;
    std::string path = base + "/" + sub;
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return path;
    return "";
}

void PrintTo(const CLSTString& s, std::ostream* os) {
    *os << '"' << U8(s) << '"';
}

Conversation::Conversation(const std::string& command) {
    int toChild[2];
    int fromChild[2];
    if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) return;
    m_pid = ::fork();
    if (m_pid == 0) {
        ::dup2(toChild[0], 0);
        ::dup2(fromChild[1], 1);
        ::close(toChild[1]);
        ::close(fromChild[0]);
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_in = toChild[1];
    m_out = fromChild[0];
}

Conversation::~Conversation() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        finish();
    }
}

void Conversation::send(const std::string& line) {
    std::string text = line + "\n";
    if (m_in >= 0) (void)!::write(m_in, text.data(), text.size());
}

bool Conversation::waitFor(const std::string& text, int timeoutMs) {
    while (true) {
        size_t found = m_output.find(text, m_seen);
        if (found != std::string::npos) {
            size_t end = m_output.find('\n', found);
            m_seen = end == std::string::npos ? m_output.size() : end + 1;
            return true;
        }
        pollfd p{m_out, POLLIN, 0};
        if (m_out < 0 || ::poll(&p, 1, timeoutMs) <= 0) return false;
        char buffer[4096];
        ssize_t n = ::read(m_out, buffer, sizeof buffer);
        if (n <= 0) return false;
        m_output.append(buffer, static_cast<size_t>(n));
    }
}

void Conversation::signal(int number) {
    if (m_pid > 0) ::kill(m_pid, number);
}

int Conversation::finish() {
    if (m_in >= 0) ::close(m_in);
    m_in = -1;
    if (m_out >= 0) {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(m_out, buffer, sizeof buffer)) > 0)
            m_output.append(buffer, static_cast<size_t>(n));
        ::close(m_out);
        m_out = -1;
    }
    int status = 0;
    if (m_pid > 0 && ::waitpid(m_pid, &status, 0) == m_pid) {
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    m_pid = -1;
    return -1;
}

void MakeFifo(const std::string& nativePath) {
    ::mkfifo(nativePath.c_str(), 0600);
}

bool FinishesWithoutWaitingOn(const std::string& fifo, const std::function<void()>& work,
                              int timeoutMs) {
    // The work runs here (widgets must stay on their thread); a watcher
    // lets a stuck reader go after the timeout and remembers that it had to.
    std::atomic<bool> done = false;
    std::atomic<bool> released = false;
    std::thread watcher([&] {
        for (int waited = 0; waited < timeoutMs && !done; waited += 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        while (!done) {
            int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                released = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    work();
    done = true;
    watcher.join();
    return !released;
}
