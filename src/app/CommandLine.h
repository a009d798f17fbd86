#pragma once

#include <QString>
#include <QStringList>

/// What the command line asks of the program.
struct CLSCommandLine {
    enum class Action {
        Run,       // start the window (on file, when given)
        Help,      // print text to stdout, exit 0
        Version,   // print text to stdout, exit 0
        Error,     // print text to stderr, exit 2
        PrintPdf,  // print file to pdfOutput without a window
    };
    Action action = Action::Run;
    /// The help or version text, or the error message (each ends with a line break).
    QString text;
    /// The data file to open, quotes already removed; empty when none.
    QString file;
    /// The PDF file --print-pdf writes.
    QString pdfOutput;

    /// The exit status for an action that ends the program before the window.
    int exitStatus() const { return action == Action::Error ? 2 : 0; }
};

/// Reads the program's arguments (arguments[0] is the program). Only the
/// first file name counts: a launcher may pass more, and those are ignored.
/// Never exits and never prints.
CLSCommandLine ParseCommandLine(const QStringList& arguments);

/// The data file name as the start-up takes it: blanks trimmed, and when it
/// starts with a quote, only the quoted part (a launcher may hand over the
/// whole command line as one quoted argument).
QString StripCommandLineQuotes(const QString& argument);
