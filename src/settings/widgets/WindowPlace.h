#pragma once

#include <QSize>

#include "settings/VorelSettings.h"

class QWidget;

/// Puts a window where the settings last saw it: a size from a larger or
/// scaled screen is made to fit, a position off the screen is moved back
/// so that at least 120 pixels show, and a maximised window opens
/// maximised. Without a stored size the window takes defaultSize.
void RestoreWindowPlace(QWidget* window, CLSVorelSettings& settings, CLSVorelSettings::Window which,
                        QSize defaultSize, QSize minimumSize);

/// The size a window opens at when nothing of it is stored yet: preferred,
/// but at most 70 % of the available area (and never below minimum).
QSize FirstStartSize(QSize preferred, QSize available, QSize minimum);

/// Like RestoreWindowPlace, but a window whose settings still hold the
/// defaults (never placed before) opens at FirstStartSize(firstStart, …)
/// instead of the settings' default size.
void RestoreWindowPlaceOrFirstStart(QWidget* window, CLSVorelSettings& settings,
                                    CLSVorelSettings::Window which, QSize firstStart,
                                    QSize minimumSize);

/// Keeps the window's normal (not maximised) rectangle and whether it is
/// maximised in the settings.
void StoreWindowPlace(const QWidget* window, CLSVorelSettings& settings,
                      CLSVorelSettings::Window which);
