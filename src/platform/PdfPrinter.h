#pragma once
// The built-in PDF printer. A job paints into a PDF at 1440 dpi, so one
// device unit is one twip and the page size is given in twips. When the job
// ends, a save dialog asks for the file name, opened in the PDF folder
// (taal.ini [Mappen] "PDF Map", else the program folder's "PDF") with the
// document name proposed. Nothing is written when the dialog is cancelled
// or the job painted nothing; the file is replaced only when complete.

#include <QTemporaryFile>

#include <memory>

#include "platform/Printer.h"

class QPainter;
class QPdfWriter;

namespace platform {

class PdfPrinter : public PrinterDevice {
public:
    explicit PdfPrinter(QString deviceName);
    ~PdfPrinter() override;

    QString DeviceName() const override { return name_; }
    int ScaleWidth() const override;
    int ScaleHeight() const override;
    void PaintPicture(const QPicture& picture, int x, int y, int width, int height) override;
    void NewPage() override;
    bool EndDoc() override;
    void KillDoc() override;
    QString ErrorText() const override { return error_; }

    int Copies() const override { return copies_; }
    void SetCopies(int copies) override { copies_ = copies < 1 ? 1 : copies; }
    Orientation PageOrientation() const override { return orientation_; }
    void SetPageOrientation(Orientation orientation) override;
    QPageSize::PageSizeId PaperSize() const override { return paper_; }
    void SetPaperSize(QPageSize::PageSizeId paper) override;
    void SetDocumentName(const QString& name) override { documentName_ = name; }

    // The file the last finished job was written to ("" when none).
    QString LastFile() const { return lastFile_; }
    // The name proposed in the save dialog: the document name made safe
    // for a file name, with ".pdf" added.
    QString ProposedFileName() const;

private:
    bool Begin();
    void ApplyLayout();
    void Reset();

    QString name_;
    QString documentName_;
    QString error_;
    QString lastFile_;
    int copies_ = 1;
    Orientation orientation_ = Orientation::Portrait;
    QPageSize::PageSizeId paper_ = QPageSize::A4;
    std::unique_ptr<QTemporaryFile> temp_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    bool painted_ = false;
    int pendingPages_ = 0;
};

// The folder the PDF printer saves in: taal.ini [Mappen] "PDF Map" when
// that names an existing folder, else the program folder's "PDF" (spelled
// as it exists on disk). The folder itself is not created here.
QString PdfOutputFolder();

// Page size in twips for a paper and orientation.
QSize PageSizeTwips(QPageSize::PageSizeId paper, PrinterDevice::Orientation orientation);

}  // namespace platform
