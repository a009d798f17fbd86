#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"

// A French-English word list of a few thousand records, with accents and
// IPA (combining marks included), taken through the whole tool chain:
// import, study, export and save, every character kept.

namespace {

struct Word {
    const char* english;
    const char* french;
    const char* ipa;
};

const Word kWords[] = {
    {"abstraction", "abstraction", "abstʀaksjɔ̃"},
    {"absurdity", "absurdité", "apsyʀdite"},
    {"coffee", "café", "kafe"},
    {"boy", "garçon", "ɡaʀsɔ̃"},
    {"work", "œuvre", "œvʀ"},
    {"forest", "forêt", "fɔʀɛ"},
    {"naive", "naïf", "naif"},
    {"pupil", "élève", "elɛv"},
    {"Christmas", "Noël", "nɔɛl"},
    {"burnt", "brûlé", "bʀyle"},
    {"beside", "à côté", "a kote"},
    {"that", "ça", "sa"},
    {"sister", "sœur", "sœʀ"},
    {"bread", "pain", "pɛ̃"},
};
constexpr int kWordCount = sizeof(kWords) / sizeof(kWords[0]);
constexpr int kRecords = 3000;

// Settings and state of a home of its own.
int cli(const TempDir& home, const std::string& args, std::string* out, std::string* err,
        const std::string& input = "") {
    return RunCommand(
        "VOREL_HOME=" + ShellQuote(home.path()) + " " + ShellQuote(CliPath()) + " " + args, out,
        err, input);
}

const Word& wordOf(int record) {
    return kWords[record % kWordCount];
}

std::string questionOf(int record) {
    return std::string(wordOf(record).english) + " " + std::to_string(record + 1);
}

}  // namespace

TEST(CliWordList, ImportStudyExportAndSaveKeepEveryCharacter) {
    TempDir dir;
    std::string csv = "\xEF\xBB\xBF";
    for (int i = 0; i < kRecords; ++i)
        csv += questionOf(i) + "," + wordOf(i).french + "," + wordOf(i).ipa + "\r\n";
    WriteFileBytes(dir.file("words.csv"), csv);
    const std::string data = ShellQuote(dir.file("words.vrf"));
    std::string out, err;

    // No --data-encoding: text Shift-JIS cannot hold makes a UTF-8 file.
    ASSERT_EQ(cli(dir,
                  "import --roles 1,3,4 --encoding utf-8 " + ShellQuote(dir.file("words.csv")) +
                      " " + data,
                  &out, &err),
              0)
        << err;
    const std::string imported = ReadFileBytes(dir.file("words.vrf"));
    ASSERT_EQ(imported.rfind("\xEF\xBB\xBFVORELDATA V3.0\r\n", 0), 0u);
    EXPECT_EQ(imported.find('?'), std::string::npos);

    // Every record comes back from the export as it went in.
    auto exported = [&]() {
        EXPECT_EQ(
            cli(dir, "export " + data + " " + ShellQuote(dir.file("out.csv")) + " --encoding utf-8",
                &out, &err),
            0)
            << err;
        return ReadFileBytes(dir.file("out.csv"));
    };
    std::string expected = "\xEF\xBB\xBF問題番号,問題,答え,グループ,コメント\r\n";
    for (int i = 0; i < kRecords; ++i) {
        expected += std::to_string(i + 1) + "," + questionOf(i) + "," + wordOf(i).french + ",0," +
                    wordOf(i).ipa + "\r\n";
    }
    EXPECT_EQ(exported(), expected);

    // Saving an untouched file writes the bytes it read.
    ASSERT_EQ(cli(dir, "save " + data + " " + ShellQuote(dir.file("copy.vrf")), &out, &err), 0)
        << err;
    EXPECT_EQ(ReadFileBytes(dir.file("copy.vrf")), imported);

    // Study the first questions in order: the answers as a keyboard may type
    // them (decomposed accents) are right, a missing accent is wrong without
    // vague matching, and the history the run adds leaves the texts whole.
    const std::string decomposedCafe = "cafe\xCC\x81";      // e + U+0301
    const std::string decomposedGarcon = "garc\xCC\xA7on";  // c + U+0327
    const std::string input =
        "abstraction\napsurdite\n" + decomposedCafe + "\n" + decomposedGarcon + "\n";
    ASSERT_EQ(
        cli(dir, "quiz " + data + " --mode all --range 1-4 --answer-mode written --no-log --json",
            &out, &err, input),
        0)
        << err;
    std::vector<std::string> verdicts;
    for (size_t at = out.find("\"right\":"); at != std::string::npos;
         at = out.find("\"right\":", at + 1)) {
        verdicts.push_back(out.substr(at + 8, out[at + 8] == 't' ? 4 : 5));
    }
    ASSERT_GE(verdicts.size(), 4u) << out;
    EXPECT_EQ(verdicts[0], "true");
    EXPECT_EQ(verdicts[1], "false");
    EXPECT_EQ(verdicts[2], "true");
    EXPECT_EQ(verdicts[3], "true");
    EXPECT_NE(out.find("\"answers\":[\"absurdité\"]"), std::string::npos) << out;

    const std::string studied = ReadFileBytes(dir.file("words.vrf"));
    EXPECT_NE(studied, imported) << "the run's history is saved";
    EXPECT_EQ(studied.rfind("\xEF\xBB\xBF", 0), 0u);
    EXPECT_EQ(exported(), expected);
}
