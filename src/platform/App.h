#pragma once
// Application-wide set-up and the program's title.

#include <QString>

class QApplication;

namespace platform {

// Style "Fusion" and font "DejaVu Sans" 8 points, set once at start-up so
// that windows look the same on every desktop and in pictures and tests.
// Qt's own texts start in Dutch, the program's default language.
void SetupApplication(QApplication& app);

// Qt's own texts (standard buttons, the file dialog) in Dutch or English,
// from Qt's translation files (qtbase_nl, qtbase_en). A missing file leaves
// Qt's built-in English texts; the program goes on. False when a file was
// not found or could not be loaded.
bool SetQtLanguage(bool english);
// Where the translation files are looked for (Qt's translations folder
// unless set; tests point it elsewhere). "" restores Qt's folder.
void SetQtTranslationsFolder(const QString& folder);

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
