#pragma once

/// Tells Qt's accessibility layer how a screen reader sees the program's
/// own painted windows (sentence windows and choice buttons, the
/// information pane, hints, separators, animations, the print preview's
/// page). Safe to call more than once.
void InstallAccessibleInterfaces();
