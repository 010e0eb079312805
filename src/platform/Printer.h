#pragma once
// The current printer as the program paints on it: one job at a time, all
// positions and sizes in twips (1440 per inch).
//
// The printer list holds the built-in PDF printer first and then the
// system's printers. A job starts with the first thing painted; EndDoc
// finishes it (the PDF printer then asks for the file name), KillDoc throws
// it away.

#include <QPicture>
#include <QString>
#include <QStringList>

namespace platform {

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    virtual QString DeviceName() const = 0;
    // Printable width and height of a page, in twips.
    virtual int ScaleWidth() const = 0;
    virtual int ScaleHeight() const = 0;

    // Paints a picture with its top-left corner at (x, y) and the given size.
    virtual void PaintPicture(const QPicture& picture, int x, int y, int width, int height) = 0;
    virtual void NewPage() = 0;
    // Finishes the job. False when it failed or was cancelled; ErrorText()
    // then says why ("" for a plain cancel).
    virtual bool EndDoc() = 0;
    virtual void KillDoc() = 0;
    virtual QString ErrorText() const = 0;
};

// Device names of every printer, the built-in PDF printer first.
QStringList PrinterNames();
// The device name of the built-in PDF printer in the current language.
QString PdfPrinterName();

// The current printer. Never null.
PrinterDevice& Printer();
// Makes the printer with this device name current; false when none has it.
bool SetCurrentPrinter(const QString& deviceName);
// Tests put a recording device in place of every real printer; nullptr
// restores the real ones.
void SetPrinterOverride(PrinterDevice* device);

}  // namespace platform
