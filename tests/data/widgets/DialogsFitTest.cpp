// The file dialogs at their default size, in Japanese and in English: no
// text clipped, and in English a key of its own for each text.

#include <gtest/gtest.h>

#include "DocFixture.h"
#include "data/ImportExport.h"
#include "data/widgets/DlgDataInfo.h"
#include "data/widgets/DlgExport.h"
#include "data/widgets/DlgImport.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/Languages.h"

namespace {

const char* kDoc =
    "VORELDATA V3.0\r\n#名詞,000000\r\n犬,鳴く,dog,,,<00\r\n猫,,cat,,ねこ,<20\r\n"
    "#動詞,000000\r\n走る,,run,,,<20\r\n'メモ\r\n$Group=,,動物\r\n";

}  // namespace

TEST(FileDialogs, DataInfoExportAndImportFitInBothLanguages) {
    InBothLanguages([] {
        DocFixture f;
        UseProgramFonts();
        ASSERT_TRUE(f.load(kDoc));
        CLSDlgDataInfo info(f.doc, false);
        ShowAndCheck(info, "data-info");
        CLSDlgDataInfo editing(f.doc, true);
        ShowAndCheck(editing, "data-info-editing");
        CLSDlgExport exporting(f.doc);
        ShowAndCheck(exporting, "export");
        WriteFileBytes(f.dir.file("in.csv"),
                       "問題,答え,メモ\r\n問1,答1,メモ1\r\n問2,答2,メモ2\r\n");
        CLSTString path = f.path("in.csv");
        CLSDlgImport importing(f.doc, path, InspectImportFile(path));
        ShowAndCheck(importing, "import");
    });
}
