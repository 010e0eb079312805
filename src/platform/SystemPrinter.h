#pragma once
// A printer of the system (CUPS, through Qt). Positions are in twips from
// the top-left corner of the printable area; a job goes to the printer
// when EndDoc is called.

#include <QPrinter>

#include <memory>

#include "platform/Printer.h"

namespace platform {

class SystemPrinter : public PrinterDevice {
public:
    explicit SystemPrinter(const QString& deviceName);
    ~SystemPrinter() override;

    QString DeviceName() const override { return name_; }
    int ScaleWidth() const override;
    int ScaleHeight() const override;
    void PaintPicture(const QPicture& picture, int x, int y, int width, int height) override;
    void NewPage() override;
    bool EndDoc() override;
    void KillDoc() override;
    QString ErrorText() const override { return error_; }

    // The copies go to the system with the job; a printer that cannot
    // print copies keeps one.
    bool SupportsCopies() const override;
    int Copies() const override { return printer_.copyCount(); }
    void SetCopies(int copies) override;
    Orientation PageOrientation() const override;
    void SetPageOrientation(Orientation orientation) override;
    QPageSize::PageSizeId PaperSize() const override;
    void SetPaperSize(QPageSize::PageSizeId paper) override;
    void SetDocumentName(const QString& name) override { printer_.setDocName(name); }

private:
    bool Begin();

    QString name_;
    QString error_;
    QPrinter printer_;
    std::unique_ptr<QPainter> painter_;
    bool painted_ = false;
    int pendingPages_ = 0;
};

// True when the system printer with this name takes a number of copies
// with a job.
bool SystemPrinterSupportsCopies(const QString& deviceName);

}  // namespace platform
