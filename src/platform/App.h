#pragma once
// Application-wide set-up and the program's title.

#include <QString>

class QApplication;

namespace platform {

// Style "Fusion" and font "DejaVu Sans" 8 points, set once at start-up so
// that windows look the same on every desktop and in pictures and tests.
void SetupApplication(QApplication& app);

// Runs the event loop until the program's last window unloads.
int RunEventLoop();
bool QuitWhenAllUnloaded();

// The font every window and control starts with.
QString DefaultFontName();
double DefaultFontSize();

// The program's title: the default title of message boxes and dialogs.
QString ProgramTitle();
void SetProgramTitle(const QString& title);

}  // namespace platform
