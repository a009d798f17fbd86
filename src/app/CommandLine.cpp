#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace {

const char* kUsageSummary =
    "Vorel: flash cards and quizzes for one learner.\n"
    "Opens FILE (a .vrf data file) when given, else the most recent file when\n"
    "the settings ask for it.";

// The options QGuiApplication and QApplication read (Qt 6).
const char* const kQtValueOptions[] = {"platform",        "platformpluginpath",
                                       "platformtheme",   "plugin",
                                       "qwindowgeometry", "qwindowicon",
                                       "qwindowtitle",    "geometry",
                                       "title",           "icon",
                                       "display",         "name",
                                       "session",         "style",
                                       "stylesheet",      "qmljsdebugger"};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "testability",
                                      "nograb",  "dograb",      "sync"};

QString programName(const QStringList& arguments) {
    // The name the learner typed gives the familiar "Try 'vorel --help'".
    QString name = arguments.isEmpty() ? QString() : arguments.first().section('/', -1);
    return name.isEmpty() ? QStringLiteral("vorel") : name;
}

}  // namespace

QString StripCommandLineQuotes(const QString& argument) {
    QString raw = argument.trimmed();
    if (raw.startsWith('"')) {
        int close = raw.indexOf('"', 1);
        raw = close > 0 ? raw.mid(1, close - 1) : raw.mid(1);
    }
    return raw;
}

CLSCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kUsageSummary));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    QCommandLineOption version({"v", "version"}, "Show the version and exit.");
    parser.addOption(help);
    parser.addOption(version);
    // Qt's own options are taken out by the application object; they are
    // known here too, so that the command line can be judged before that
    // object (and a display) exists.
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QCommandLineOption printPdf("print-pdf",
                                "Print FILE to the PDF file OUT (A4, the saved print settings) "
                                "without opening a window, and show the page count.",
                                "OUT");
    parser.addOption(printPdf);
    parser.addPositionalArgument("FILE", "The data file to open.", "[FILE]");

    CLSCommandLine result;
    QString name = programName(arguments);
    if (!parser.parse(arguments)) {
        result.action = CLSCommandLine::Action::Error;
        result.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(name, parser.errorText());
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CLSCommandLine::Action::Help;
        // helpText() names the program after the running application, which
        // does not exist yet when the command line is read before the window.
        result.text = parser.helpText();
        int usageEnd = result.text.indexOf('\n');
        result.text.replace(0, usageEnd, QStringLiteral("Usage: %1 [options] [FILE]").arg(name));
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CLSCommandLine::Action::Version;
        result.text = QStringLiteral("%1 %2\n").arg(name, QString::fromLatin1(VOREL_VERSION_TEXT));
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) result.file = StripCommandLineQuotes(files.first());
    if (parser.isSet(printPdf)) {
        if (result.file.isEmpty() || parser.value(printPdf).isEmpty()) {
            result.action = CLSCommandLine::Action::Error;
            result.text =
                QStringLiteral(
                    "%1: --print-pdf needs the PDF file and a data file: "
                    "%1 --print-pdf OUT.pdf FILE\nTry '%1 --help' for more information.\n")
                    .arg(name);
            return result;
        }
        result.action = CLSCommandLine::Action::PrintPdf;
        result.pdfOutput = parser.value(printPdf);
    }
    return result;
}
