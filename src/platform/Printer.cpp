#include "platform/Printer.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPrinterInfo>

#include <memory>

#include "platform/PdfPrinter.h"
#include "platform/SystemPrinter.h"

namespace platform {

namespace {

struct Printers {
    QString current;  // "" until the first use
    std::unique_ptr<PrinterDevice> device;
    PrinterDevice* override = nullptr;
};

Printers& State() {
    static Printers state;
    return state;
}

QStringList SystemNames() { return QPrinterInfo::availablePrinterNames(); }

std::unique_ptr<PrinterDevice> MakeDevice(const QString& name) {
    if (name == PdfPrinterName())
        return std::make_unique<PdfPrinter>(name);
    return std::make_unique<SystemPrinter>(name);
}

// The system's default printer, else the PDF printer.
QString DefaultName() {
    const QString system = QPrinterInfo::defaultPrinterName();
    return system.isEmpty() || system == PdfPrinterName() ? PdfPrinterName() : system;
}

}  // namespace

bool PaintPictureInTwips(QPainter& painter, const QPicture& picture, int x, int y, int width,
                         int height) {
    const QRect bounds = picture.boundingRect();
    if (bounds.isEmpty() || width == 0 || height == 0)
        return false;
    painter.save();
    painter.translate(x, y);
    painter.scale(static_cast<qreal>(width) / bounds.width(),
                  static_cast<qreal>(height) / bounds.height());
    painter.translate(-bounds.x(), -bounds.y());
    // Playing a picture scales it by the device's resolution over the
    // picture's own; undo that, so that one picture unit is exactly what
    // the scaling above makes of it.
    const QPaintDevice* device = painter.device();
    if (device && device->logicalDpiX() > 0 && device->logicalDpiY() > 0)
        painter.scale(static_cast<qreal>(picture.logicalDpiX()) / device->logicalDpiX(),
                      static_cast<qreal>(picture.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
    return true;
}

QList<QPageSize::PageSizeId> OfferedPaperSizes() {
    return {QPageSize::A4, QPageSize::A3, QPageSize::A5, QPageSize::Letter, QPageSize::Legal};
}

QStringList PrinterNames() {
    QStringList names{PdfPrinterName()};
    for (const QString& n : SystemNames())
        if (!names.contains(n))
            names << n;
    if (PrinterDevice* o = State().override; o && !names.contains(o->DeviceName()))
        names << o->DeviceName();
    return names;
}

QString PdfPrinterName() { return QStringLiteral("Velmora Drovik PDF"); }

PrinterDevice& Printer() {
    Printers& s = State();
    if (s.override)
        return *s.override;
    if (!s.device) {
        if (s.current.isEmpty())
            s.current = DefaultName();
        s.device = MakeDevice(s.current);
    }
    return *s.device;
}

bool SetCurrentPrinter(const QString& deviceName) {
    Printers& s = State();
    if (deviceName.isEmpty() || !PrinterNames().contains(deviceName))
        return false;
    if (deviceName == s.current && (s.device || s.override))
        return true;
    s.current = deviceName;
    s.device.reset();
    if (!s.override)
        s.device = MakeDevice(deviceName);
    return true;
}

bool PrinterSupportsCopies(const QString& deviceName) {
    Printers& s = State();
    if (s.override)
        return s.override->SupportsCopies();
    if (deviceName == PdfPrinterName())
        return true;
    if (s.device && s.device->DeviceName() == deviceName)
        return s.device->SupportsCopies();
    return SystemPrinterSupportsCopies(deviceName);
}

QString CurrentPrinterName() {
    Printers& s = State();
    if (s.current.isEmpty())
        s.current = DefaultName();
    return s.current;
}

void SetPrinterOverride(PrinterDevice* device) {
    Printers& s = State();
    s.override = device;
    if (!device && !s.current.isEmpty() && !PrinterNames().contains(s.current))
        s.current = DefaultName();
    s.device.reset();
}

}  // namespace platform
