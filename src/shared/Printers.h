#pragma once
// Choosing the printer the print jobs go to, and the print dialog.

#include <QString>

namespace platform {
class Form;
}

// Makes the printer whose device name equals `naam` exactly (case matters)
// the current printer; when none has that name the current printer stays.
// Always returns false (callers store the result in BezigMetLaden).
bool KiesPrinter(const QString& naam);

// Shows the print dialog (printer, copies, orientation, paper size), preset
// from the current printer, and applies the choices to it. A cancelled
// dialog sets frm's Tag to "1" and changes nothing; OK clears a "1" left in
// the Tag by an earlier cancel, so the Tag tells the outcome of this call.
// `vlaggen` are the dialog flags of the callers (no selection, no print to
// file); the dialog offers neither.
void ToonPrinterDialoog(platform::Form& frm, long vlaggen);
