#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "TestSupport.h"
#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "image/widgets/Picture.h"
#include "text/widgets/CommandSet.h"

namespace {

CLSCommandLine parse(const QStringList& arguments) {
    return ParseCommandLine(QStringList{"/usr/bin/vorel"} + arguments);
}

std::string text(const CLSCommandLine& line) {
    return line.text.toStdString();
}

}  // namespace

TEST(CommandLine, OnlyTheFirstFileCountsAndLosesItsQuotes) {
    CLSCommandLine none = parse({});
    EXPECT_EQ(none.action, CLSCommandLine::Action::Run);
    EXPECT_TRUE(none.file.isEmpty());

    EXPECT_EQ(parse({"/data/a.vrf", "/data/b.vrf"}).file, "/data/a.vrf");
    // A launcher that passes the whole command line as one argument.
    EXPECT_EQ(parse({"  \"/data/my file.vrf\" /extra"}).file, "/data/my file.vrf");
    EXPECT_EQ(parse({"\"/data/unclosed.vrf"}).file, "/data/unclosed.vrf");
    EXPECT_EQ(parse({"--", "-dash.vrf"}).file, "-dash.vrf");
    EXPECT_EQ(StripCommandLineQuotes("\"\""), "");
    EXPECT_EQ(StripCommandLineQuotes(" plain.vrf "), "plain.vrf");
}

TEST(CommandLine, QtOptionsDoNotTakeTheFilesPlace) {
    CLSCommandLine line = parse({"-platform", "offscreen", "-style=fusion", "-reverse", "a.vrf"});
    EXPECT_EQ(line.action, CLSCommandLine::Action::Run) << text(line);
    EXPECT_EQ(line.file, "a.vrf");
}

TEST(CommandLine, HelpVersionAndUnknownOptions) {
    for (const char* option : {"--help", "-h"}) {
        CLSCommandLine help = parse({option, "a.vrf"});
        EXPECT_EQ(help.action, CLSCommandLine::Action::Help);
        EXPECT_EQ(help.exitStatus(), 0);
        EXPECT_TRUE(help.text.startsWith("Usage: vorel [options] [FILE]\n")) << text(help);
        EXPECT_TRUE(help.text.contains("--version")) << text(help);
        EXPECT_FALSE(help.text.contains("platform")) << "Qt's options stay out of the help";
    }
    for (const char* option : {"--version", "-v"}) {
        CLSCommandLine version = parse({option});
        EXPECT_EQ(version.action, CLSCommandLine::Action::Version);
        EXPECT_EQ(version.exitStatus(), 0);
        EXPECT_EQ(text(version), std::string("vorel ") + VOREL_VERSION_TEXT + "\n");
    }
    for (const char* option : {"--bogus", "-x"}) {
        CLSCommandLine bad = parse({option, "a.vrf"});
        EXPECT_EQ(bad.action, CLSCommandLine::Action::Error);
        EXPECT_EQ(bad.exitStatus(), 2);
        EXPECT_EQ(text(bad), std::string("vorel: Unknown option '") +
                                 (option + (option[1] == '-' ? 2 : 1)) +
                                 "'.\nTry 'vorel --help' for more information.\n");
    }
}

#ifdef VOREL_GUI_PATH
TEST(CommandLine, ProgramAnswersWithoutADisplay) {
    // No display and no platform: the answers must come before Qt needs one.
    std::string program =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + ShellQuote(VOREL_GUI_PATH);
    std::string out, err;
    EXPECT_EQ(RunCommand(program + " --help", &out, &err), 0) << err;
    EXPECT_NE(out.find("Usage: vorel [options] [FILE]"), std::string::npos) << out;
    EXPECT_EQ(RunCommand(program + " --version", &out, &err), 0) << err;
    EXPECT_EQ(out, std::string("vorel ") + VOREL_VERSION_TEXT + "\n");
    EXPECT_EQ(RunCommand(program + " --no-such-option file.vrf", &out, &err), 2);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err,
              "vorel: Unknown option 'no-such-option'.\n"
              "Try 'vorel --help' for more information.\n");
}
#endif

TEST(HiDpi, PicturesHaveTheirDoubleSizeDrawing) {
    InitVorelApplication();
    // On a screen scaled by two the larger drawing is taken and marked, so
    // that it covers the same area without being blown up.
    QPixmap sharp = LoadPixmapForRatio(":/buttons/answer.png", 2.0);
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize().toSize(), QSize(20, 20));
    EXPECT_EQ(LoadPixmapForRatio(":/buttons/answer.png", 1.0).size(), QSize(20, 20));
    QImage logo = LoadPngFromResourceForRatio(":/logo.png", 2.0, 0xFFFFFF);
    EXPECT_EQ(logo.devicePixelRatio(), 2.0);
    EXPECT_EQ(logo.size(), QSize(200, 112));
    // Without a larger drawing the picture itself is used as it is.
    QPixmap plain = LoadPixmapForRatio(":/icons/vorel-16.png", 2.0);
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);
    EXPECT_EQ(plain.size(), QSize(16, 16));
    EXPECT_TRUE(LoadPixmapForRatio(":/no/such.png", 2.0).isNull());
}

TEST(HiDpi, ToolbarPicturesAndTheIconComeInEverySize) {
    InitVorelApplication();
    QIcon icon = VorelAppIcon();
    EXPECT_EQ(icon.availableSizes().size(), 8);
    EXPECT_EQ(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    // Every toolbar picture has its larger drawing for scaled screens.
    for (const char* name :
         {"print", "range", "mode-normal", "mode-written", "mode-choice", "mode-confirm", "run-all",
          "run-random", "run-count", "run-weak", "run-complete", "editor"}) {
        QIcon toolbar = ToolBarIcon(name);
        EXPECT_TRUE(toolbar.availableSizes().contains(QSize(40, 40))) << name;
    }
}
