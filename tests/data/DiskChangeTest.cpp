#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DocFixture.h"
#include "text/Paths.h"

namespace {

const char* kGroups = "$Group=0,1,2,3,4,5,6,7,8,9\r\n";

void setTime(const std::string& path, time_t seconds) {
    struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

std::string changedMessage(const DocFixture& f) {
    return "ファイル「" + f.dir.file("t.vrf") +
           "」は読み込んだ後に他のプログラムで変更されています。";
}

// The window's side: the save dialog the learner may cancel.
struct SaveAsObserver : DocumentObserver {
    CLSVorelDataFile* doc = nullptr;
    CLSTString otherPath;  // empty: the dialog is cancelled
    int asked = 0;
    int reloads = 0;
    bool saveUnderAnotherName() override {
        ++asked;
        return !otherPath.isEmpty() && doc->saveFile(otherPath);
    }
    void reloaded() override { ++reloads; }
};

}  // namespace

// The answers given here (new entries, a flipped judgement, a mark) go to
// the same questions of the copy another computer wrote meanwhile; equal
// questions are told apart by their order, and a question that is no longer
// there is listed.
TEST(DiskChange, AnswersGoIntoTheNewerFile) {
    DocFixture f;
    SaveAsObserver observer;
    f.doc.setObserver(&observer);
    ASSERT_TRUE(
        f.load("VORELDATA V3.0\r\n#T,000000\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n"
               "dup,,same,,,<00\r\ndup,,same,,,<00\r\ngone,,x,,,<00\r\n"));
    f.doc.addHistory(f.doc.getQuestion(0)->question(), 1);
    f.doc.addHistory(f.doc.getQuestion(3)->question(), 0);
    f.doc.setLastHistoryResult(f.doc.getQuestion(3)->question(), 1);
    f.doc.setMark(f.doc.getQuestion(1)->question(), 1);
    f.doc.addHistory(f.doc.getQuestion(4)->question(), 0);
    EXPECT_FALSE(f.doc.isEdited()) << "answers are no edit";

    const std::string newer =
        "VORELDATA V3.0\r\n#T,000000\r\nnew,,n,,,<00\r\nq1,,a1,,,<00,01101010101\r\n"
        "q2,,a2,,other,<00\r\ndup,,same,,,<00\r\ndup,,same,,,<00\r\n";
    WriteFileBytes(f.dir.file("t.vrf"), Utf8ToCp932Literal(newer));
    f.prompter.choices = {0};
    EXPECT_EQ(f.doc.save(f.doc.getPath()), CLSSaveResult::kSaved);

    ASSERT_EQ(f.prompter.entries.size(), 2u);
    const FakePrompter::Entry& asked = f.prompter.entries[0];
    EXPECT_EQ(asked.icon, PromptIcon::Warning);
    EXPECT_EQ(asked.utf8, changedMessage(f));
    EXPECT_EQ(asked.choices, (std::vector<std::string>{"読み込み直して反映(&R)",
                                                       "名前を付けて保存(&A)…", "上書き(&O)"}));
    EXPECT_EQ(asked.defaultChoice, 0) << "only answers were recorded";
    EXPECT_EQ(f.prompter.entries[1].utf8,
              "次の問題は読み込み直したファイルに見つからないため、解答を反映できませんでした。\n"
              "\ngone");
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(f.dir.file("t.vrf"))),
              "VORELDATA V3.0\r\n#T,000000\r\nnew,,n,,,<00\r\n"
              "q1,,a1,,,<00,01101010101,12612080930\r\nq2,,a2,,other,=00\r\n"
              "dup,,same,,,<00\r\ndup,,same,,,<00,12612080930\r\n" +
                  std::string(kGroups));
    EXPECT_EQ(observer.reloads, 1);
    EXPECT_EQ(f.doc.getQuestionCount(), 5) << "the document is the newer file now";
    EXPECT_TRUE(f.doc.isModified());

    // What was written is what the next save compares with; a touch is no change.
    setTime(f.dir.file("t.vrf"), 1900000000);
    f.doc.addHistory(f.doc.getQuestion(0)->question(), 1);
    EXPECT_EQ(f.doc.save(f.doc.getPath()), CLSSaveResult::kSaved);
    EXPECT_EQ(f.prompter.entries.size(), 2u) << "nobody is asked";
}

// After an edit only the whole document can be written: under another name
// (the default) or over the newer file. Esc or a cancelled dialog writes
// nothing and the document stays as it is.
TEST(DiskChange, EditedLinesCannotBeMergedAndNothingIsLostUndecided) {
    DocFixture f;
    SaveAsObserver observer;
    observer.doc = &f.doc;
    f.doc.setObserver(&observer);
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq1,,a1,,,<00\r\n"));
    f.doc.insertComment(0, Sj("mine"));
    EXPECT_TRUE(f.doc.isEdited());
    const std::string newer = "VORELDATA V3.0\r\nq1,,a1,,,<00\r\nq2,,a2,,,<00\r\n";
    WriteFileBytes(f.dir.file("t.vrf"), newer);

    EXPECT_EQ(f.doc.save(f.doc.getPath()), CLSSaveResult::kCancelled) << "Esc";
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].utf8,
              changedMessage(f) +
                  "\n\n編集した内容は、他のプログラムによる変更と合わせることができません。");
    EXPECT_EQ(f.prompter.entries[0].choices,
              (std::vector<std::string>{"名前を付けて保存(&A)…", "上書き(&O)"}));
    EXPECT_EQ(f.prompter.entries[0].defaultChoice, 0);
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.vrf")), newer);
    EXPECT_TRUE(f.doc.isModified());
    EXPECT_EQ(f.doc.getItemCount(), 2);

    f.prompter.choices = {0};
    EXPECT_EQ(f.doc.save(f.doc.getPath()), CLSSaveResult::kCancelled) << "the dialog cancelled";
    EXPECT_EQ(observer.asked, 1);
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.vrf")), newer);

    observer.otherPath = f.path("mine.vrf");
    f.prompter.choices = {0};
    EXPECT_EQ(f.doc.save(f.doc.getPath()), CLSSaveResult::kSaved);
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.vrf")), newer);
    EXPECT_EQ(f.doc.getPath(), f.path("mine.vrf"));
    EXPECT_EQ(Cp932ToUtf8(ReadFileBytes(f.dir.file("mine.vrf"))),
              "VORELDATA V3.0\r\n'mine\r\nq1,,a1,,,<00\r\n" + std::string(kGroups));

    // Overwriting is the learner's choice too.
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq1,,a1,,,<00\r\n"));
    f.doc.erase(0);
    WriteFileBytes(f.dir.file("t.vrf"), newer);
    f.prompter.choices = {1};
    EXPECT_EQ(f.doc.save(f.doc.getPath()), CLSSaveResult::kSaved);
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.vrf")), "VORELDATA V3.0\r\n" + std::string(kGroups));
}

// A file deleted or moved away meanwhile is written again at its place
// after a question; a read-only document never writes its own file.
TEST(DiskChange, AGoneFileIsWrittenAgainAndAReadOnlyOneNever) {
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq1,,a1,,,<00\r\n"));
    f.doc.addHistory(f.doc.getQuestion(0)->question(), 1);
    ASSERT_EQ(::rename(f.dir.file("t.vrf").c_str(), f.dir.file("moved.vrf").c_str()), 0);
    f.prompter.answers = {PromptAnswer::No};
    EXPECT_EQ(f.doc.save(f.doc.getPath()), CLSSaveResult::kDeclined);
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(f.prompter.entries[0].utf8,
              "ファイル「" + f.dir.file("t.vrf") + "」は見つかりません。保存し直しますか？");
    EXPECT_FALSE(NativeFileExists(f.dir.file("t.vrf")));
    f.prompter.answers = {PromptAnswer::Yes};
    EXPECT_EQ(f.doc.save(f.doc.getPath()), CLSSaveResult::kSaved);
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.vrf")),
              "VORELDATA V3.0\r\nq1,,a1,,,<00,12612080930\r\n" + std::string(kGroups));

    const std::string text = "VORELDATA V3.0\r\nq1,,a1,,,<00\r\n";
    ASSERT_TRUE(f.load(text));
    f.doc.setReadOnly(true);
    EXPECT_EQ(U8(f.doc.caption()), f.dir.file("t.vrf") + "（読み取り専用） - Vorel for Windows");
    f.doc.addHistory(f.doc.getQuestion(0)->question(), 1);
    f.prompter.entries.clear();
    EXPECT_EQ(f.doc.save(f.doc.getPath()), CLSSaveResult::kDeclined);
    ASSERT_EQ(f.prompter.entries.size(), 1u);
    EXPECT_EQ(f.prompter.entries[0].utf8, "ファイル「" + f.dir.file("t.vrf") +
                                              "」は読み取り専用で開いているため保存できません。");
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.vrf")), text);
    EXPECT_TRUE(f.doc.saveFile(f.path("copy.vrf"))) << "another name is another file";
    EXPECT_FALSE(f.doc.isReadOnly());
    EXPECT_EQ(ReadFileBytes(f.dir.file("t.vrf")), text);
}

// Opening another file saves the one open first; when that save is left
// undecided, or the learner does not open the file after all, everything
// stays as it was.
TEST(DiskChange, AnUndecidedSaveKeepsTheDocumentOpen) {
    struct Owner : DocumentObserver {
        bool save = true;
        bool open = true;
        std::vector<bool> loads;
        std::vector<std::string> opened;
        bool mayOpen(const CLSTString& path) override {
            opened.push_back(U8(path));
            return open;
        }
        void loaded(bool ok) override { loads.push_back(ok); }
        bool requestSave() override { return save; }
    };
    DocFixture f;
    Owner owner;
    f.doc.setObserver(&owner);
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\nq1,,a1,,,<00\r\n"));
    EXPECT_EQ(owner.opened, std::vector<std::string>{f.dir.file("t.vrf")});
    f.doc.addHistory(f.doc.getQuestion(0)->question(), 1);
    WriteFileBytes(f.dir.file("u.vrf"), "VORELDATA V3.0\r\nu,,u,,,<00\r\n");

    owner.save = false;
    EXPECT_FALSE(f.doc.loadFile(f.path("u.vrf")));
    EXPECT_EQ(f.doc.getPath(), f.path("t.vrf"));
    EXPECT_EQ(f.doc.getQuestion(0)->question().history().size(), 1u);
    EXPECT_TRUE(f.doc.isModified());
    EXPECT_FALSE(f.doc.newFile());
    EXPECT_EQ(f.doc.getItemCount(), 1);

    owner.save = true;
    owner.open = false;
    EXPECT_FALSE(f.doc.loadFile(f.path("u.vrf")));
    EXPECT_EQ(f.doc.getPath(), f.path("t.vrf"));
    EXPECT_EQ(owner.loads, (std::vector<bool>{true, false, false}));

    // A read-only document goes without a save.
    owner.open = true;
    owner.save = false;
    f.doc.setReadOnly(true);
    EXPECT_TRUE(f.doc.loadFile(f.path("u.vrf")));
    EXPECT_FALSE(f.doc.isReadOnly());
}
