#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

// The program's own help: one HTML page per help topic in the help folder
// of the installed resources (help/<topic>.html), shown in the program's
// help window. index.html is the contents. The pages are Japanese; those
// translated into another language live under the same names in a folder
// named after its code (help/en/133.html), and a page not yet translated
// is shown in Japanese.

/// The contents page's topic.
inline constexpr int kHelpContentsTopic = 0;

/// The page of a topic in folder: <topic>.html, else index.html when the
/// topic has no page; "" when neither exists.
QString HelpPageIn(const QString& folder, int topic);
/// The page at path (a file of the help folder or of a language folder in
/// it, with no anchor) as the learner should read it in language: a page
/// of the help folder becomes its translation where there is one; a
/// translation that is missing becomes the Japanese page.
QString HelpPageInLanguage(const QString& path, const std::string& language);
/// HelpPageIn, in language.
QString HelpPageIn(const QString& folder, int topic, const std::string& language);
/// The folder of the installed help pages ("" when there is none).
QString HelpFolder();
/// Opens the page of a topic (the contents for kHelpContentsTopic or a
/// topic without a page) in the help window, which a second call reuses;
/// false, after telling the learner, when there is no help at all.
bool OpenHelpTopic(int topic, QWidget* owner = nullptr);

/// Where OpenHelpTopic sends the page it found; an empty function (the
/// default) is the shared help window. Tests put their own here.
using HelpPageShower = std::function<void(const QString& page, QWidget* owner)>;
void SetHelpPageShower(HelpPageShower shower);
