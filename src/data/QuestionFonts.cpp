#include "data/QuestionFonts.h"

#include "data/VorelDataFile.h"
#include "settings/VorelSettings.h"

CLSVorelFont QuestionFont(const CLSVorelDataFile& doc, const CLSVorelSettings& settings,
                          QuestionFontRole role, const CLSVorelDataItem* line) {
    static const int kinds[] = {kLineFontTitle, kLineFontQuestion, kLineFontHint, kLineFontAnswer,
                                kLineFontComment};
    static const int skinItems[] = {CLSVorelSkin::kTitle, CLSVorelSkin::kQuestion,
                                    CLSVorelSkin::kHint, CLSVorelSkin::kAnswer,
                                    CLSVorelSkin::kComment};
    const CLSVorelFont& base = settings.skin().item(skinItems[role]);
    if (!settings.useDataDesign()) return base;
    return doc.fontAt(kinds[role], base, line);
}
