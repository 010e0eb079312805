#include "platform/SystemPrinter.h"

#include <QPainter>
#include <QPrinterInfo>

namespace platform {

SystemPrinter::SystemPrinter(const QString& deviceName)
    : name_(deviceName), printer_(QPrinterInfo::printerInfo(deviceName), QPrinter::HighResolution) {
    printer_.setFullPage(false);
}

SystemPrinter::~SystemPrinter() { KillDoc(); }

bool SystemPrinterSupportsCopies(const QString& deviceName) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(deviceName);
    if (info.isNull())
        return false;
    QPrinter printer(info);
    return printer.supportsMultipleCopies();
}

bool SystemPrinter::SupportsCopies() const {
    return !QPrinterInfo::printerInfo(name_).isNull() && printer_.supportsMultipleCopies();
}

void SystemPrinter::SetCopies(int copies) {
    printer_.setCopyCount(copies > 1 && SupportsCopies() ? copies : 1);
}

int SystemPrinter::ScaleWidth() const {
    return qRound(printer_.pageLayout().paintRect(QPageLayout::Point).width() * 20);
}

int SystemPrinter::ScaleHeight() const {
    return qRound(printer_.pageLayout().paintRect(QPageLayout::Point).height() * 20);
}

PrinterDevice::Orientation SystemPrinter::PageOrientation() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                         : Orientation::Portrait;
}

void SystemPrinter::SetPageOrientation(Orientation orientation) {
    printer_.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

QPageSize::PageSizeId SystemPrinter::PaperSize() const {
    return printer_.pageLayout().pageSize().id();
}

void SystemPrinter::SetPaperSize(QPageSize::PageSizeId paper) {
    printer_.setPageSize(QPageSize(paper));
}

bool SystemPrinter::Begin() {
    if (painter_)
        return true;
    error_.clear();
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        error_ = QStringLiteral("cannot start a print job on %1").arg(name_);
        return false;
    }
    // One unit is one twip from here on.
    painter_->scale(printer_.resolution() / 1440.0, printer_.resolution() / 1440.0);
    painted_ = false;
    return true;
}

void SystemPrinter::PaintPicture(const QPicture& picture, int x, int y, int width, int height) {
    if (picture.boundingRect().isEmpty() || width == 0 || height == 0 || !Begin())
        return;
    for (; pendingPages_ > 0; --pendingPages_)
        printer_.newPage();
    if (PaintPictureInTwips(*painter_, picture, x, y, width, height))
        painted_ = true;
}

void SystemPrinter::NewPage() { ++pendingPages_; }

bool SystemPrinter::EndDoc() {
    pendingPages_ = 0;
    if (!painter_)
        return error_.isEmpty();
    if (!painted_) {
        KillDoc();
        return true;
    }
    const bool ok = painter_->end();
    painter_.reset();
    if (!ok || printer_.printerState() == QPrinter::Error) {
        error_ = QStringLiteral("the job could not be sent to %1").arg(name_);
        return false;
    }
    return true;
}

void SystemPrinter::KillDoc() {
    if (painter_) {
        printer_.abort();
        if (painter_->isActive())
            painter_->end();
        painter_.reset();
    }
    painted_ = false;
    pendingPages_ = 0;
}

}  // namespace platform
