// What a screen reader is told of questions, verdicts and runs, and how a
// sentence with pictures, videos and sounds is read out.

#include <gtest/gtest.h>

#include "quiz/Announcements.h"
#include "quiz/ExamSummary.h"
#include "sentence/Sentence.h"
#include "sentence/SpokenText.h"
#include "text/Language.h"

namespace {

struct InEnglish {
    InEnglish() { SetProgramLanguage("en"); }
    ~InEnglish() { SetProgramLanguage(kNativeLanguage); }
};

CLSSentence markup(const char* text) {
    return CLSSentence(CLSTString(text));
}

CLSSentenceArray answers(std::initializer_list<const char*> texts) {
    CLSSentenceArray out;
    for (const char* t : texts)
        out.add(markup(t));
    return out;
}

}  // namespace

TEST(SpokenText, ReadsRunsUnescapedWithBreaksAsSpacesAndMediaByKindAndName) {
    EXPECT_EQ(SpokenText(markup("りんご\\,みかん")), "りんご,みかん");
    EXPECT_EQ(SpokenText(markup("一行目\r\n二行目\n\n三行目\r")), "一行目 二行目 三行目");
    EXPECT_EQ(SpokenText(markup("これは\\i\"pics/apple.PNG|width=40\"です")),
              "これは 画像: apple.PNG です");
    EXPECT_EQ(SpokenText(markup("\\m\"clip.mp4\"\\m\"say.ogg\"")), "動画: clip.mp4 音声: say.ogg");
    EXPECT_EQ(SpokenText(markup("\\i\"c:\\dir\\cat.bmp\"")), "画像: cat.bmp");
    EXPECT_EQ(SpokenText(CLSSentence()), "");
    EXPECT_EQ(SpokenText(markup("café ɔ̃")), "café ɔ̃");
}

TEST(SpokenText, TellsMediaApartByExtensionWhateverTheCase) {
    EXPECT_EQ(MediaKindByName("a.JPEG"), CLSMediaKind::kPicture);
    EXPECT_EQ(MediaKindByName("a.mng"), CLSMediaKind::kPicture);
    EXPECT_EQ(MediaKindByName("voice.Wav"), CLSMediaKind::kSound);
    EXPECT_EQ(MediaKindByName("film.avi"), CLSMediaKind::kVideo);
    EXPECT_EQ(MediaKindByName("no-extension"), CLSMediaKind::kVideo);
    EXPECT_EQ(MediaKindByName("dir.png/file"), CLSMediaKind::kVideo) << "a folder's dot";
}

TEST(Announcements, QuestionVerdictAndRunEndInBothLanguages) {
    CLSExamSummary summary;
    summary.asked = 4;
    summary.right = 3;
    summary.wrong = 1;
    EXPECT_EQ(QuestionAnnouncement(2, markup("首都は？")), "第2問: 首都は？");
    EXPECT_EQ(VerdictAnnouncement(true, answers({"東京"})), "正解。答え: 東京");
    EXPECT_EQ(VerdictAnnouncement(false, answers({"x", "y"})), "不正解。答え: x、y");
    EXPECT_EQ(VerdictAnnouncement(std::nullopt, answers({"東京"})), "答え: 東京");
    EXPECT_EQ(VerdictAnnouncement(false, answers({})), "不正解");
    std::string end = RunEndAnnouncement(summary);
    EXPECT_NE(end.find(summary.rateText().view()), std::string::npos) << end;
    EXPECT_NE(end.find("4問中3問正解"), std::string::npos) << end;

    InEnglish english;
    EXPECT_EQ(QuestionAnnouncement(2, markup("\\i\"flag.png\" Capital?")),
              "Question 2: Picture: flag.png Capital?");
    EXPECT_EQ(VerdictAnnouncement(true, answers({"Paris"})), "Right. Answer: Paris");
    EXPECT_EQ(VerdictAnnouncement(false, answers({"x", "y"})), "Wrong. Answer: x, y");
    EXPECT_EQ(VerdictAnnouncement(std::nullopt, answers({"Paris"})), "Answer: Paris");
    end = RunEndAnnouncement(summary);
    EXPECT_NE(end.find("3 of 4 right"), std::string::npos) << end;
}
