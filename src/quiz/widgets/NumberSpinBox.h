#pragma once

// The number field is shared by every screen's dialogs and lives with the
// text widgets; this name stays for code written against the old place.
#include "text/widgets/NumberSpinBox.h"
