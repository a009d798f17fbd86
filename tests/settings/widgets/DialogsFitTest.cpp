// The customisation sheet, the vague-match table, the fit's progress, the
// help window and the colour and font choosers at their default size, in
// Japanese and in English: no text clipped, and in English a key of its
// own for each text.

#include <gtest/gtest.h>

#include <QProgressDialog>
#include <vector>

#include "TestSupport.h"
#include "settings/VorelSettings.h"
#include "settings/widgets/CustomizeSheet.h"
#include "settings/widgets/DlgVague.h"
#include "settings/widgets/ParameterFit.h"
#include "settings/widgets/WndHelp.h"
#include "srs/FsrsModel.h"
#include "srs/ReviewLog.h"
#include "text/widgets/ColourChooser.h"
#include "text/widgets/FontChooser.h"
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

        Colour colour{};
        ExpectModalFits("colour", [&] { ChooseColour(nullptr, colour); });
        // Qt's own font dialog, as the program opens it.
        QFont font;
        ExpectModalFits("font", [&] { ChooseFont(nullptr, QString(), font); });
    });
}

TEST(SettingsDialogs, TheFitsProgressFitsInBothLanguages) {
    // Enough reviews that the fit is still at work when the dialog is looked at.
    std::vector<CLSReviewRecord> reviews;
    const int days[] = {0, 1, 3, 8, 20, 45, 90};
    for (int q = 0; q < 600; ++q) {
        for (int i = 0; i < 7; ++i) {
            CLSReviewRecord r;
            r.questionId = 1000 + q;
            r.utcMs = 1'790'000'000'000 + days[i] * 86'400'000LL + q * 60'000LL;
            r.grade = (q * 7 + i) % 4 == 0 ? 1 : 3;
            r.stateBefore = i == 0 ? 0 : 2;
            reviews.push_back(r);
        }
    }
    InBothLanguages([&reviews] {
        UseProgramFonts();
        FakePrompter prompter;
        QWidget owner;
        owner.resize(400, 300);
        owner.show();
        whenModal<QProgressDialog>(
            [](QProgressDialog* progress) {
                ExpectFits(progress, "fit-progress");
                progress->cancel();
            },
            2000);
        FitParametersInBackground(&owner, prompter, reviews, CLSFsrsParameters::Defaults());
    });
}
