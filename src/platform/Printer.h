#pragma once
// The current printer as the program paints on it: one job at a time, all
// positions and sizes in twips (1440 per inch).
//
// The printer list holds the built-in PDF printer first and then the
// system's printers. A job starts with the first thing painted; EndDoc
// finishes it (the PDF printer then asks for the file name), KillDoc throws
// it away.

#include <QPageSize>
#include <QPicture>
#include <QString>
#include <QStringList>

class QPainter;

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

    // Page setup as the print dialog shows and sets it. A change applies to
    // the pages that start after it. Devices without such settings keep the
    // defaults below.
    enum class Orientation { Portrait = 1, Landscape = 2 };
    // True when the device prints a job as many times as SetCopies asks;
    // the print dialog offers the number of copies only then. A device
    // that cannot keeps one copy.
    virtual bool SupportsCopies() const { return false; }
    virtual int Copies() const { return 1; }
    virtual void SetCopies(int) {}
    virtual Orientation PageOrientation() const { return Orientation::Portrait; }
    virtual void SetPageOrientation(Orientation) {}
    virtual QPageSize::PageSizeId PaperSize() const { return QPageSize::A4; }
    virtual void SetPaperSize(QPageSize::PageSizeId) {}
    // Name of the document being printed; the PDF printer proposes it as the
    // file name when the job ends.
    virtual void SetDocumentName(const QString&) {}
};

// Paints `picture` onto a painter whose units are twips: the picture's
// bounding rectangle is scaled onto the rectangle (x, y, width, height).
// What the picture draws keeps its vector form (text stays text). False
// when there was nothing to paint (an empty picture or rectangle).
bool PaintPictureInTwips(QPainter& painter, const QPicture& picture, int x, int y, int width,
                         int height);

// The paper sizes the print dialog offers, in this order.
QList<QPageSize::PageSizeId> OfferedPaperSizes();

// Device names of every printer, the built-in PDF printer first.
QStringList PrinterNames();
// The device name of the built-in PDF printer in the current language.
QString PdfPrinterName();

// The current printer. Never null.
PrinterDevice& Printer();
// Makes the printer with this device name current; false when none has it.
bool SetCurrentPrinter(const QString& deviceName);
// True when the printer with this device name honours a number of copies.
bool PrinterSupportsCopies(const QString& deviceName);
// The device name of the current printer (the real one chosen, also while
// an override is in place).
QString CurrentPrinterName();
// Tests put a recording device in place of every real printer; nullptr
// restores the real ones. While it is in place its device name is one of
// PrinterNames() too.
void SetPrinterOverride(PrinterDevice* device);

}  // namespace platform
