#pragma once

#include <functional>

class QMainWindow;

/// F1 on the main window opens the help page of what the window is doing:
/// an open menu's topic, else the one topicOfScreen gives for the screen
/// shown (a run, the study screen, the editor).
void InstallMainHelpKey(QMainWindow* window, std::function<int()> topicOfScreen);
