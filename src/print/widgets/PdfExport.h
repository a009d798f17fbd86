#pragma once

#include <QByteArray>
#include <QString>

#include "print/Print.h"

class Prompter;

/// The pages of print as a PDF on the paper of setup, drawn as the printer
/// draws them (text stays text, so it can be searched and copied). The
/// page count, or -1 when a line fits on no page (after the warning) or
/// the PDF could not be drawn.
int PrintToPdf(CLSPrint& print, const CLSPageSetup& setup, QByteArray& pdf);

/// A4 upright with the default margins, as the command line prints.
CLSPageSetup CommandLinePageSetup();

/// `vorel --print-pdf OUT FILE`: prints the data file FILE with the saved
/// print settings onto A4 and writes OUT through a temporary file, so a
/// failure leaves an older OUT as it was. Prints the page count and returns
/// 0; a file that cannot be read, a line that fits on no page or an OUT that
/// cannot be written gives the program's message on stderr and 1. No window
/// opens. A document without anything to print writes no file and prints 0.
int PrintPdfCommand(const QString& pdfPath, const QString& dataFile);
