// The customisation sheet, the vague-match table and the help window at
// their default size, in Japanese and in English: no text clipped, and in
// English a key of its own for each text.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/CustomizeSheet.h"
#include "settings/widgets/DlgVague.h"
#include "settings/widgets/WndHelp.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/Languages.h"

TEST(SettingsDialogs, EveryDialogFitsInBothLanguages) {
    InBothLanguages([] {
        UseProgramFonts();
        CLSVorelSettings settings;
        FakePrompter prompter;
        CLSCustomizeSheet sheet(settings, nullptr);
        sheet.show();
        ExpectFits(&sheet, "customize-sheet");
        sheet.reject();

        CLSDlgVague vague(settings.vagueTable(), prompter, nullptr);
        vague.show();
        ExpectFits(&vague, "vague");
        vague.reject();

        CLSWndHelp help;
        help.showContents();
        help.show();
        ExpectFits(&help, "help");
        help.openFind();
        ExpectFits(&help, "help-find");
        help.close();
    });
}
