#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "text/Clock.h"
#include "text/OneShotTimer.h"
#include "text/Prompter.h"
#include "text/TString.h"

/// Readable CLSTString values in failure messages.
void PrintTo(const CLSTString& s, std::ostream* os);

/// A temporary folder removed with everything in it at the end of the test.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    /// Native path of a file inside the folder.
    std::string file(const std::string& name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

/// Whole content of a file ("" when it cannot be read).
std::string ReadFileBytes(const std::string& nativePath);
void WriteFileBytes(const std::string& nativePath, const std::string& bytes);

/// A program text from UTF-8 (for test texts).
CLSTString Sj(const char* utf8);
/// The UTF-8 of a program text (for failure messages).
std::string U8(const CLSTString& text);

/// Records every message and question; answers questions from a queue
/// (then with the fallback), and questions with answers of their own from
/// another (then with choiceFallback).
class FakePrompter : public Prompter {
  public:
    struct Entry {
        PromptIcon icon;
        PromptButtons buttons;
        std::string utf8;
        std::vector<std::string> choices;  // UTF-8 answers of askChoice, else empty
        int defaultChoice = -1;
    };

    PromptAnswer ask(PromptIcon icon, PromptButtons buttons, const CLSTString& text,
                     int defaultButton) override;
    int askChoice(PromptIcon icon, const CLSTString& text, const std::vector<CLSTString>& answers,
                  int defaultAnswer) override;

    std::vector<Entry> entries;
    std::vector<PromptAnswer> answers;
    PromptAnswer fallback = PromptAnswer::No;
    /// Called while a box would be open (to look at the screen then).
    std::function<void()> onAsk;
    std::vector<int> choices;
    int choiceFallback = -1;
};

/// A clock the test moves by hand, or that moves by step at every reading
/// (for code that paces itself by the time that has passed).
class FakeClock : public Clock {
  public:
    int64_t ticks() const override {
        int64_t read = now;
        now += step;
        return read;
    }
    CLSLocalTime localTime() const override { return local; }
    int64_t utcMillis() const override { return utc; }
    int utcOffsetMinutes() const override { return utcOffset; }

    mutable int64_t now = 1000;
    int64_t step = 0;
    // Tuesday 2026-12-08 09:30 in Tokyo, which is 00:30 UTC; a test that
    // moves one of them moves the others to match.
    CLSLocalTime local{2026, 12, 8, 2, 9, 30, 0, 0};
    int64_t utc = 1'796'689'800'000;
    int utcOffset = 540;
};

/// A one-shot timer that runs its action only when the test fires it.
class FakeOneShotTimer : public OneShotTimer {
  public:
    void start(int ms, std::function<void()> action) override {
        delay = ms;
        m_action = std::move(action);
    }
    void stop() override { m_action = nullptr; }
    bool isActive() const override { return m_action != nullptr; }
    /// Runs the pending action as the delay's end would; false when none.
    bool fire() {
        if (!m_action) return false;
        auto action = std::move(m_action);
        m_action = nullptr;
        action();
        return true;
    }

    int delay = -1;

  private:
    std::function<void()> m_action;
};

/// Runs a command; returns its exit status and fills stdout/stderr.
int RunCommand(const std::string& command, std::string* out, std::string* err = nullptr,
               const std::string& input = "");
/// Runs vorel-cli with the given (already quoted) arguments; returns its
/// stdout and sets its exit status and stderr when asked.
std::string RunCli(const std::string& args, int* status = nullptr, std::string* err = nullptr);
/// Path of the vorel-cli executable under test.
std::string CliPath();
/// Folder of the public test corpora, or "" when it is not there.
std::string SharedTestData(const std::string& sub);
/// Shell-quotes one argument.
std::string ShellQuote(const std::string& s);

/// A command running with pipes to its standard input and output, for
/// conversations: write a line, then wait for the reply before the next.
class Conversation {
  public:
    /// Starts /bin/sh -c command.
    explicit Conversation(const std::string& command);
    ~Conversation();
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    void send(const std::string& line);
    /// Reads output until a line containing text arrives; false after
    /// timeoutMs without one (the command is waiting for input it should not need).
    bool waitFor(const std::string& text, int timeoutMs = 5000);
    /// Sends a signal to the command (start it with exec so that it is not
    /// the shell that gets it).
    void signal(int number);
    /// Closes the input and returns the exit status.
    int finish();
    /// Everything read so far.
    const std::string& output() const { return m_output; }

  private:
    int m_pid = -1;
    int m_in = -1;
    int m_out = -1;
    size_t m_seen = 0;
    std::string m_output;
};

/// Makes a named pipe (the kind of path that blocks a careless reader).
void MakeFifo(const std::string& nativePath);
/// Runs work; false when it waited on the named pipe for more than
/// timeoutMs. A reader stuck there is then let go (the pipe is opened for
/// writing and closed), so the test fails instead of hanging.
bool FinishesWithoutWaitingOn(const std::string& fifo, const std::function<void()>& work,
                              int timeoutMs = 3000);
