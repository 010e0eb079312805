#include "platform/PdfPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "shared/Ini.h"

namespace platform {

namespace {

// Asks for the PDF's file name in `folder`, proposing `proposed`; false when
// the user cancels.
bool AskPdfFileName(const QString& title, const QString& folder, const QString& proposed,
                    QString& chosen) {
    chosen = GetSaveFileName(title, folder, proposed, QStringLiteral("PDF (*.pdf)"));
    return !chosen.isEmpty();
}

}  // namespace

QString PdfOutputFolder() {
    LeesIni("Mappen", "PDF Map", programPath("taal.ini"));
    const QString folder = IniWaarde.trimmed();
    if (folder.isEmpty() || !QFileInfo(resolvePath(folder)).isDir())
        return programPath("PDF");
    return resolvePath(folder);
}

QSize PageSizeTwips(QPageSize::PageSizeId paper, PrinterDevice::Orientation orientation) {
    // Points as the PDF stores the page, 20 twips each.
    const QSize points = QPageSize(paper).sizePoints();
    const QSize twips(points.width() * 20, points.height() * 20);
    return orientation == PrinterDevice::Orientation::Landscape ? twips.transposed() : twips;
}

PdfPrinter::PdfPrinter(QString deviceName) : name_(std::move(deviceName)) {}

PdfPrinter::~PdfPrinter() { Reset(); }

int PdfPrinter::ScaleWidth() const { return PageSizeTwips(paper_, orientation_).width(); }

int PdfPrinter::ScaleHeight() const { return PageSizeTwips(paper_, orientation_).height(); }

void PdfPrinter::SetPageOrientation(Orientation orientation) {
    orientation_ = orientation;
    ApplyLayout();
}

void PdfPrinter::SetPaperSize(QPageSize::PageSizeId paper) {
    paper_ = paper;
    ApplyLayout();
}

void PdfPrinter::ApplyLayout() {
    if (!writer_)
        return;
    writer_->setPageLayout(QPageLayout(
        QPageSize(paper_),
        orientation_ == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0)));
}

bool PdfPrinter::Begin() {
    if (painter_)
        return true;
    error_.clear();
    temp_ = std::make_unique<QTemporaryFile>(QDir::temp().filePath("drovik-XXXXXX.pdf"));
    if (!temp_->open()) {
        error_ = temp_->errorString();
        temp_.reset();
        return false;
    }
    writer_ = std::make_unique<QPdfWriter>(temp_.get());
    writer_->setResolution(1440);
    writer_->setCreator(QStringLiteral("Velmora Drovik"));
    writer_->setTitle(documentName_);
    ApplyLayout();
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) {
        error_ = QStringLiteral("cannot start the PDF");
        Reset();
        return false;
    }
    painted_ = false;
    return true;
}

void PdfPrinter::PaintPicture(const QPicture& picture, int x, int y, int width, int height) {
    if (picture.boundingRect().isEmpty() || width == 0 || height == 0 || !Begin())
        return;
    for (; pendingPages_ > 0; --pendingPages_)
        writer_->newPage();
    if (PaintPictureInTwips(*painter_, picture, x, y, width, height))
        painted_ = true;
}

void PdfPrinter::NewPage() {
    // A page break takes effect when something is painted after it, so a
    // NewPage right before EndDoc adds no empty page.
    ++pendingPages_;
}

QString PdfPrinter::ProposedFileName() const {
    QString name = documentName_.trimmed();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name)
        if (c.unicode() < 0x20 || forbidden.contains(c))
            c = '_';
    if (name.isEmpty())
        name = QStringLiteral("Velmora Drovik");
    if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    return name;
}

bool PdfPrinter::EndDoc() {
    if (!painter_ || !painted_) {
        // Nothing was painted: nothing to write.
        const bool failed = !error_.isEmpty();
        Reset();
        pendingPages_ = 0;
        return !failed;
    }
    painter_->end();
    painter_.reset();
    writer_.reset();
    temp_->flush();
    temp_->seek(0);
    const QByteArray pdf = temp_->readAll();

    const QString folder = PdfOutputFolder();
    QDir().mkpath(folder);

    QString chosen;
    const bool ok = AskPdfFileName(name_, folder, ProposedFileName(), chosen);
    Reset();
    if (!ok || chosen.isEmpty()) {
        error_.clear();
        return false;  // cancelled
    }
    if (!chosen.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        chosen += QStringLiteral(".pdf");
    QString why;
    if (!writeFileAtomic(chosen, pdf, &why)) {
        error_ = why.isEmpty() ? QStringLiteral("cannot write %1").arg(chosen) : why;
        return false;
    }
    error_.clear();
    lastFile_ = chosen;
    return true;
}

void PdfPrinter::KillDoc() {
    Reset();
    error_.clear();
}

void PdfPrinter::Reset() {
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    writer_.reset();
    temp_.reset();
    painted_ = false;
    pendingPages_ = 0;
}

}  // namespace platform
