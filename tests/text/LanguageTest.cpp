// Which language the program speaks, and the core's texts in it.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "text/Language.h"

namespace {

std::string Choose(std::string_view setting, std::map<std::string, std::string> env) {
    return ChooseLanguage(setting, [&env](const char* name) -> const char* {
        auto found = env.find(name);
        return found == env.end() ? nullptr : found->second.c_str();
    });
}

}  // namespace

TEST(Language, TheSettingThenTheLocaleChooseAndVorelLangOverridesBoth) {
    EXPECT_EQ(Choose("", {}), "ja") << "nothing set: the program's own";
    EXPECT_EQ(Choose("", {{"LANG", "en_US.UTF-8"}}), "en");
    EXPECT_EQ(Choose("", {{"LANG", "de_DE.UTF-8"}}), "en") << "a language without a catalogue";
    EXPECT_EQ(Choose("", {{"LANG", "ja_JP.UTF-8"}}), "ja");
    for (const char* c : {"C", "POSIX", "C.UTF-8"})
        EXPECT_EQ(Choose("", {{"LANG", c}}), "ja") << c << ": scripts see today's texts";
    // The first that is set wins, in the order gettext reads them.
    EXPECT_EQ(Choose("", {{"LANGUAGE", "en:ja"}, {"LC_ALL", "ja_JP.UTF-8"}}), "en");
    EXPECT_EQ(Choose("", {{"LANGUAGE", ""}, {"LC_ALL", "ja_JP.UTF-8"}, {"LANG", "en_GB"}}), "ja");
    EXPECT_EQ(Choose("", {{"LC_MESSAGES", "en_GB"}, {"LANG", "ja_JP"}}), "en");

    EXPECT_EQ(Choose("en", {{"LANG", "ja_JP.UTF-8"}}), "en") << "the learner's choice";
    EXPECT_EQ(Choose("ja", {{"LANG", "en_US.UTF-8"}}), "ja");
    EXPECT_EQ(Choose("xx", {{"LANG", "en_US.UTF-8"}}), "en") << "an unknown choice is automatic";
    EXPECT_EQ(Choose("en", {{"VOREL_LANG", "ja"}}), "ja");
    EXPECT_EQ(Choose("ja", {{"VOREL_LANG", "en"}}), "en");
    EXPECT_EQ(Choose("ja", {{"VOREL_LANG", "xx"}}), "ja") << "an unknown override is ignored";
}

TEST(Language, TheCoresTextsComeFromTheCatalogueOfTheLanguageInForce) {
    EXPECT_EQ(AvailableLanguages().front(), "ja");
    ASSERT_EQ(ProgramLanguage(), "ja");
    const char* japanese = "ファイル %1 を開けません。";
    EXPECT_EQ(VT(japanese), japanese) << "its own language needs no catalogue";
    SetProgramLanguage("en");
    EXPECT_STREQ(VT(japanese), "Cannot open the file %1.");
    EXPECT_STREQ(VT("どこにもない文"), "どこにもない文") << "a text without a translation";
    SetProgramLanguage("xx");
    EXPECT_EQ(ProgramLanguage(), "ja") << "a language the program does not have";
    EXPECT_EQ(VT(japanese), japanese);
}

TEST(Language, FillPutsTheValuesWhereTheTextWantsThem) {
    EXPECT_EQ(Fill("ファイル %1 を開けません。", {"a.vrf"}), "ファイル a.vrf を開けません。");
    EXPECT_EQ(Fill("%2 of %1", {"10", "3"}), "3 of 10") << "in any order";
    EXPECT_EQ(Fill("100% %1 %3", {"%2"}), "100% %2 %3") << "values are not filled again";
    EXPECT_EQ(Fill("%", {}), "%");
}
