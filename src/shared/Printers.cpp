#include "shared/Printers.h"

#include "platform/Form.h"
#include "platform/Printer.h"
#include "platform/Prompt.h"
#include "shared/Tekst.h"

namespace {

// Texts of the print dialog's captions.
constexpr int kTitel = 72, kPrinter = 73, kAantal = 74, kStand = 75, kStaand = 76,
              kLiggend = 77, kPapier = 78;

QString PapierNaam(QPageSize::PageSizeId id) { return QPageSize::name(id); }

}  // namespace

bool KiesPrinter(const QString& naam) {
    const QStringList namen = platform::PrinterNames();
    for (int TellerI = 0; TellerI < namen.size(); ++TellerI) {
        if (namen.at(TellerI) == naam) {
            platform::SetCurrentPrinter(naam);
            break;
        }
    }
    return false;
}

void ToonPrinterDialoog(platform::Form& frm, long vlaggen) {
    Q_UNUSED(vlaggen);
    platform::PrinterDevice& huidig = platform::Printer();
    platform::PrintDialogRequest vraag;
    vraag.title = TaalTekst(kTitel);
    vraag.printers = platform::PrinterNames();
    vraag.printer = platform::CurrentPrinterName();
    vraag.copies = huidig.Copies();
    vraag.landscape = huidig.PageOrientation() == platform::PrinterDevice::Orientation::Landscape;
    const QList<QPageSize::PageSizeId> papier = platform::OfferedPaperSizes();
    for (QPageSize::PageSizeId id : papier)
        vraag.paperSizes << PapierNaam(id);
    vraag.paperSize = PapierNaam(huidig.PaperSize());
    if (!vraag.paperSizes.contains(vraag.paperSize))
        vraag.paperSizes << vraag.paperSize;
    vraag.captionPrinter = TaalTekst(kPrinter);
    vraag.captionCopies = TaalTekst(kAantal);
    vraag.captionOrientation = TaalTekst(kStand);
    vraag.captionPortrait = TaalTekst(kStaand);
    vraag.captionLandscape = TaalTekst(kLiggend);
    vraag.captionPaper = TaalTekst(kPapier);
    vraag.captionOk = platform::PromptButtonCaptions().ok;
    vraag.captionCancel = platform::PromptButtonCaptions().cancel;
    const QPageSize::PageSizeId oudPapier = huidig.PaperSize();

    if (!platform::PrintDialog(vraag)) {
        frm.SetTag("1");
        return;
    }
    if (frm.Tag() == "1")
        frm.SetTag("");

    // The chosen name is compared without regard to case; when several
    // printers match, the last one wins.
    if (vraag.printer != platform::CurrentPrinterName()) {
        QString gekozen;
        for (const QString& naam : platform::PrinterNames())
            if (naam.toUpper() == vraag.printer.toUpper())
                gekozen = naam;
        if (!gekozen.isEmpty())
            platform::SetCurrentPrinter(gekozen);
    }
    platform::PrinterDevice& printer = platform::Printer();
    printer.SetCopies(vraag.copies);
    printer.SetPageOrientation(vraag.landscape ? platform::PrinterDevice::Orientation::Landscape
                                               : platform::PrinterDevice::Orientation::Portrait);
    QPageSize::PageSizeId id = oudPapier;
    for (QPageSize::PageSizeId p : papier)
        if (PapierNaam(p) == vraag.paperSize)
            id = p;
    printer.SetPaperSize(id);
}
