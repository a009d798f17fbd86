#pragma once

// The pictures built into the program (resources/vorel.qrc).

/// Registers the program's built-in pictures; call once before the first
/// ":/…" path is read (repeated calls do nothing). Never fails.
void InitVorelResources();
