#include "text/widgets/TextFromUser.h"

#include "text/widgets/QtPrompter.h"
#include "text/widgets/QtText.h"

bool ToCp932OrSay(QWidget* parent, const QString& text, CLSTString& out) {
    QString unmappable;
    if (FromQString(text, out, &unmappable)) return true;
    QtPrompter prompter(parent);
    prompter.message(PromptIcon::Warning,
                     FromQStringLossy(U("Shift-JIS で表せない文字があります: ") + unmappable));
    return false;
}
