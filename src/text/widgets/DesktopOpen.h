#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// Handing files and pages to the desktop's own programs. Both go through
// replaceable functions, so that tests never start a browser or an editor.

/// Opens a file or page with the desktop's default program; false when the
/// desktop reports that it could not.
bool OpenWithDesktop(const QUrl& url);
/// Starts a program with arguments, detached; false when it cannot start.
bool StartDetachedProgram(const QString& program, const QStringList& arguments);

using UrlOpener = std::function<bool(const QUrl&)>;
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
/// Replaces the opener (an empty function brings back the desktop's).
void SetUrlOpener(UrlOpener opener);
/// Replaces the program starter (an empty function brings back QProcess).
void SetProgramStarter(ProgramStarter starter);

/// Opens a text file in a text editor: the desktop's default program for
/// it, else the first graphical text editor found on PATH. false when
/// neither could be started.
bool OpenInTextEditor(const QString& path);
