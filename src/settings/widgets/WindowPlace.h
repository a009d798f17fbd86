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

/// Keeps the window's normal (not maximised) rectangle and whether it is
/// maximised in the settings.
void StoreWindowPlace(const QWidget* window, CLSVorelSettings& settings,
                      CLSVorelSettings::Window which);
