#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TestSupport.h"
#include "settings/SettingsFolder.h"
#include "text/Paths.h"

namespace {

CLSSettingsFolderInputs installedInputs() {
    CLSSettingsFolderInputs in;
    in.exeFolder = "/usr/bin";
    in.xdgConfigHome = "/cfg";
    in.xdgStateHome = "/state";
    in.home = "/home/u";
    return in;
}

// Sets an environment variable for the length of a test.
class EnvGuard {
  public:
    EnvGuard(const char* name, const std::string& value) : m_name(name) {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        if (old) m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~EnvGuard() {
        if (m_had) {
            ::setenv(m_name, m_old.c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }

  private:
    const char* m_name;
    bool m_had = false;
    std::string m_old;
};

}  // namespace

TEST(SettingsFolder, ChoiceOfTheFolder) {
    CLSSettingsFolderInputs in;
    in.vorelHome = "/v";
    in.exeFolder = "/home/u/vorel";
    in.exeFolderWritable = true;
    in.xdgConfigHome = "/cfg";
    in.home = "/home/u";
    EXPECT_EQ(ChooseSettingsFolder(in), "/v");
    in.vorelHome.clear();
    EXPECT_EQ(ChooseSettingsFolder(in), "/home/u/vorel") << "a copy in its own folder";
    in.exeFolderWritable = false;
    EXPECT_EQ(ChooseSettingsFolder(in), "/cfg/vorel");
    in.xdgConfigHome = "relative";
    EXPECT_EQ(ChooseSettingsFolder(in), "/home/u/.config/vorel");
    in.xdgConfigHome.clear();
    EXPECT_EQ(ChooseSettingsFolder(in), "/home/u/.config/vorel");
    in.home = "/home/😀";  // any name serves, CP932 or not
    EXPECT_EQ(ChooseSettingsFolder(in), "/home/😀/.config/vorel");
}

TEST(SettingsFolder, AWritableBinFolderIsNoSettingsFolder) {
    // Root may write /usr/bin, a user ~/.local/bin: neither gets our files.
    CLSSettingsFolderInputs in = installedInputs();
    in.exeFolderWritable = true;
    EXPECT_EQ(ChooseSettingsFolder(in), "/cfg/vorel");
    EXPECT_EQ(ChooseHistoryFolder(in), "/state/vorel");
    in.exeFolder = "/home/u/.local/bin/";
    EXPECT_EQ(ChooseSettingsFolder(in), "/cfg/vorel");
    EXPECT_TRUE(IsInstalledExeFolder("/opt/vorel/bin"));
    EXPECT_FALSE(IsInstalledExeFolder("/work/build/src"));
    EXPECT_FALSE(IsInstalledExeFolder("/home/u/cabin"));
    in.vorelHome = "/v";
    EXPECT_EQ(ChooseSettingsFolder(in), "/v") << "VOREL_HOME wins over everything";
    EXPECT_EQ(ChooseHistoryFolder(in), "/v");
}

TEST(SettingsFolder, HistoryStaysWithACopyAndGoesToStateWhenInstalled) {
    CLSSettingsFolderInputs in = installedInputs();
    EXPECT_EQ(ChooseHistoryFolder(in), "/state/vorel");
    in.xdgStateHome = "state";  // relative: ignored
    EXPECT_EQ(ChooseHistoryFolder(in), "/home/u/.local/state/vorel");
    in.xdgStateHome.clear();
    in.home = "/home/u/";
    EXPECT_EQ(ChooseHistoryFolder(in), "/home/u/.local/state/vorel");
    in.home.clear();
    EXPECT_EQ(ChooseHistoryFolder(in), "");

    in = installedInputs();
    in.exeFolder = "/home/u/vorel";
    in.exeFolderWritable = true;
    EXPECT_EQ(ChooseHistoryFolder(in), ChooseSettingsFolder(in));
}

TEST(SettingsFolder, DataFolderSitsBesideTheExecutablesFolder) {
    EXPECT_EQ(ChooseDataFolder("/usr/bin"), "/usr/share/vorel");
    EXPECT_EQ(ChooseDataFolder("/opt/vorel/bin/"), "/opt/vorel/share/vorel");
    EXPECT_EQ(ChooseDataFolder("/bin"), "/share/vorel");
    EXPECT_EQ(ChooseDataFolder(""), "");
    // The build tree mirrors the installed layout: the example is found
    // from the test executables just as from an installed program.
    CLSTString data = ProgramDataFolder();
    ASSERT_FALSE(data.isEmpty());
    EXPECT_TRUE(FileExists(JoinPath(data, CLSTString("examples/sample.vrf")))) << U8(data);
}

TEST(SettingsFolder, PathsFollowVorelHome) {
    TempDir dir;
    std::string home = dir.file("設定/sub");
    {
        EnvGuard guard("VOREL_HOME", home);
        EnvGuard state("XDG_STATE_HOME", dir.file("state"));
        CLSTString folder = SettingsFolder();
        EXPECT_EQ(U8(folder), home);
        EXPECT_TRUE(std::filesystem::is_directory(home)) << "created when missing";
        EXPECT_EQ(U8(HistoryFolder()), home);
        EXPECT_EQ(U8(SettingsFilePath()), home + "/VORELWIN.INI");
        EXPECT_EQ(U8(VagueFilePath()), home + "/VRLVAGUE.DAT");
        EXPECT_EQ(U8(TraceFilePath()), home + "/DEBUG.LOG");
        EXPECT_EQ(U8(DefaultExamLogPath()), home + "/EXAMLOG.TXT");
        EXPECT_EQ(U8(DefaultReviewLogPath()), home + "/REVIEWLOG.DB");
        EXPECT_FALSE(std::filesystem::exists(dir.file("state")));
    }
    CLSSettingsFolderInputs current = CurrentSettingsFolderInputs();
    EXPECT_TRUE(current.exeFolder.ends_with("tests")) << current.exeFolder;
}
