#include "text/widgets/Resources.h"

#include <QtGlobal>

// The resources live in a static library, so nothing registers them
// unless asked; Q_INIT_RESOURCE has to stand outside any namespace.
static void RegisterVorelQrc() {
    Q_INIT_RESOURCE(vorel);
}

void InitVorelResources() {
    static const bool registered = (RegisterVorelQrc(), true);
    (void)registered;
}
