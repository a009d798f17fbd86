#pragma once

#include <QPageLayout>
#include <QSize>

#include "print/Print.h"

class Prompter;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

/// The paper a new printer starts with: A4 upright with 25 mm margins (the
/// locale's paper where the printer has its own).
QPageLayout DefaultPageLayout();

/// The page set-up of a Qt page layout (paper, orientation, margins).
CLSPageSetup PageSetupOf(const QPageLayout& layout);

/// The printer and page set-up the whole run shares: the page set-up
/// dialog, the preview and printing all use it. Made on first use, printing
/// on the whole sheet (the margins are the layout's own). nullptr, after
/// "プリンタを取得できません。" through prompter, when no printer can be had.
QPrinter* SharedPrinter(Prompter& prompter);

/// The platform's page set-up dialog on the shared printer; true when the
/// learner confirmed it (the page tables made before are then stale).
bool RunPageSetupDialog(QWidget* owner, Prompter& prompter);

/// The paper of a printer or PDF writer, in its device pixels (the whole
/// sheet, turned as the layout says).
QSize PaperPixels(const CLSPageSetup& setup, int dpiX, int dpiY);
