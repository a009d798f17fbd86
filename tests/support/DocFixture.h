#pragma once

#include <string>

#include "TestSupport.h"
#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"
#include "text/Codec.h"

/// A document with its own settings, prompter and clock, and a folder for files.
struct DocFixture {
    CLSVorelSettings settings;
    FakePrompter prompter;
    FakeClock clock;
    CLSVorelDataFile doc{settings, prompter, clock};
    TempDir dir;

    /// Writes CP932 bytes (given as UTF-8, lines joined with CR LF) and loads them.
    bool load(const std::string& utf8Lines, const std::string& name = "t.vrf") {
        WriteFileBytes(dir.file(name), Utf8ToCp932Literal(utf8Lines));
        return doc.loadFile(path(name));
    }
    CLSTString path(const std::string& name) const { return CLSTString(dir.file(name)); }
    /// Saves and returns the file's text as UTF-8.
    std::string saved(const std::string& name = "out.vrf") {
        EXPECT_TRUE(doc.saveFile(path(name)));
        return Cp932ToUtf8(ReadFileBytes(dir.file(name)));
    }
};
