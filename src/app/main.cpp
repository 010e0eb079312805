#include <QApplication>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/EndSignals.h"
#include "platform/SingleInstance.h"
#include "shared/PdfMap.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // A second copy ends at once, without a message.
    if (!platform::acquireProgramLock())
        return 0;
    platform::SetupApplication(app);
    // Logout, shutdown and a closed session end the program as End does:
    // the match files still queued reach the disk first.
    platform::EndOnTerminationSignals();
    // The PDF printer saves in the folder the settings name.
    KoppelPdfMap();
    // The main window does the rest of the start-up while it loads.
    frmVeldom01().Show();
    return platform::RunEventLoop();
}
