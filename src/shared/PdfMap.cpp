#include "shared/PdfMap.h"

#include "platform/Paths.h"
#include "platform/PdfPrinter.h"
#include "shared/Ini.h"

QString PdfMap() {
    // The printer asks in the middle of a print job: the value a handler
    // may still be about to read from IniWaarde stays as it was.
    const QString bewaard = IniWaarde;
    LeesIni("Mappen", "PDF Map", platform::programPath("taal.ini"));
    const QString map = IniWaarde.trimmed();
    IniWaarde = bewaard;
    return map;
}

void KoppelPdfMap() { platform::SetPdfFolderSource(PdfMap); }
