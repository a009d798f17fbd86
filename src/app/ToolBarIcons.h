#pragma once

#include <QIcon>

/// A toolbar picture of the program by name (":/toolbar/<name>.png"); an
/// empty icon when the picture is missing.
QIcon ToolBarIcon(const char* name);
