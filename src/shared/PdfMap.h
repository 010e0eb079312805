#pragma once
// The folder the built-in PDF printer saves in: taal.ini [Mappen] "PDF Map".

#include <QString>

// The folder named in taal.ini [Mappen] "PDF Map" ("" when not set).
QString PdfMap();

// Hands PdfMap to the built-in PDF printer, which asks it at the end of
// every job. Called once at start-up.
void KoppelPdfMap();
