#pragma once

#include <QString>

class QWidget;

// The program's own help: one HTML page per help topic in the help folder
// of the installed resources (help/<topic>.html), opened with the
// desktop's browser. index.html is the contents.

/// The contents page's topic.
inline constexpr int kHelpContentsTopic = 0;

/// The page of a topic in folder: <topic>.html, else index.html when the
/// topic has no page; "" when neither exists.
QString HelpPageIn(const QString& folder, int topic);
/// The folder of the installed help pages ("" when there is none).
QString HelpFolder();
/// Opens the page of a topic (the contents for kHelpContentsTopic or a
/// topic without a page); false, after telling the learner, when there is
/// no help at all or the desktop cannot show it.
bool OpenHelpTopic(int topic, QWidget* owner = nullptr);
