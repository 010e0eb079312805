// The printer list, KiesPrinter, ToonPrinterDialoog and the print dialog.

#include "platform/Form.h"
#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "shared/Printers.h"
#include "shared/Tekst.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

using platform::PrinterDevice;

namespace {

// A printer that only keeps its settings.
class SettingsPrinter : public PrinterDevice {
public:
    explicit SettingsPrinter(QString name) : name_(std::move(name)) {}
    QString DeviceName() const override { return name_; }
    int ScaleWidth() const override { return 11000; }
    int ScaleHeight() const override { return 15000; }
    void PaintPicture(const QPicture&, int, int, int, int) override {}
    void NewPage() override {}
    bool EndDoc() override { return true; }
    void KillDoc() override {}
    QString ErrorText() const override { return {}; }
    bool SupportsCopies() const override { return copiesSupported; }
    int Copies() const override { return copies; }
    void SetCopies(int c) override { copies = c; }
    Orientation PageOrientation() const override { return orientation; }
    void SetPageOrientation(Orientation o) override { orientation = o; }
    QPageSize::PageSizeId PaperSize() const override { return paper; }
    void SetPaperSize(QPageSize::PageSizeId p) override { paper = p; }

    int copies = 1;
    bool copiesSupported = true;
    Orientation orientation = Orientation::Portrait;
    QPageSize::PageSizeId paper = QPageSize::A4;

private:
    QString name_;
};

const QString kLongName =
    "Kantoorprinter op de eerste verdieping naast de koffieautomaat (kleur, dubbelzijdig)";

class Window : public platform::Form {
public:
    Window() : Form("frmTest") {}
};

}  // namespace

class TestPrinter : public QObject {
    Q_OBJECT
    SettingsPrinter device_{kLongName};

private slots:
    void init() {
        device_ = SettingsPrinter(kLongName);
        platform::SetPrinterOverride(&device_);
        platform::SetCurrentPrinter(platform::PdfPrinterName());
        TaalNummer = 10;
    }
    void cleanup() { platform::SetPrinterOverride(nullptr); }

    void pdfPrinterComesFirst() {
        const QStringList names = platform::PrinterNames();
        QCOMPARE(names.first(), platform::PdfPrinterName());
        QVERIFY(names.contains(kLongName));
        QCOMPARE(names.count(platform::PdfPrinterName()), 1);
    }

    void kiesPrinterMatchesExactly() {
        QVERIFY(!KiesPrinter(kLongName));  // always False
        QCOMPARE(platform::CurrentPrinterName(), kLongName);
        KiesPrinter(kLongName.toUpper());  // case matters: not found, printer stays
        QCOMPARE(platform::CurrentPrinterName(), kLongName);
        KiesPrinter("Bestaat niet");
        QCOMPARE(platform::CurrentPrinterName(), kLongName);
        KiesPrinter(platform::PdfPrinterName());
        QCOMPARE(platform::CurrentPrinterName(), platform::PdfPrinterName());
        QVERIFY(!platform::SetCurrentPrinter(""));
    }

    void realPdfPrinterBehindTheName() {
        platform::SetPrinterOverride(nullptr);
        QVERIFY(platform::SetCurrentPrinter(platform::PdfPrinterName()));
        QCOMPARE(platform::Printer().DeviceName(), platform::PdfPrinterName());
        QCOMPARE(platform::Printer().ScaleWidth(), 11900);
    }

    void dialogIsPresetAndInTheProgramsLanguage_data() {
        QTest::addColumn<int>("taal");
        QTest::addColumn<QString>("copies");
        QTest::newRow("Dutch") << 10 << "Aantal exemplaren";
        QTest::newRow("English") << 11 << "Copies";
    }
    void dialogIsPresetAndInTheProgramsLanguage() {
        QFETCH(int, taal);
        QFETCH(QString, copies);
        TaalNummer = taal;
        KiesPrinter(kLongName);
        device_.copies = 2;
        device_.orientation = PrinterDevice::Orientation::Landscape;
        device_.paper = QPageSize::A5;
        testsupport::PromptScript prompts;
        prompts.answerPrint(false);
        Window w;
        ToonPrinterDialoog(w, 0x100004);
        const platform::PrintDialogRequest& r = prompts.last().request;
        QCOMPARE(r.printers, platform::PrinterNames());
        QCOMPARE(r.printer, kLongName);
        QCOMPARE(r.copies, 2);
        QVERIFY(r.landscape);
        QCOMPARE(r.paperSize, QString("A5"));
        QVERIFY(r.paperSizes.contains("A4"));
        QCOMPARE(r.captionCopies, copies);
        QCOMPARE(r.title, TaalTekst(72));
        QVERIFY(!r.captionPortrait.isEmpty() && !r.captionLandscape.isEmpty());
    }

    void okAppliesTheChoices() {
        testsupport::PromptScript prompts;
        prompts.answerPrint(true, [](platform::PrintDialogRequest& r) {
            r.printer = kLongName;
            r.copies = 3;
            r.landscape = true;
            r.paperSize = "A3";
        });
        Window w;
        w.SetTag("iets");
        ToonPrinterDialoog(w, 0x100004);
        QCOMPARE(w.Tag(), QString("iets"));  // OK leaves the Tag as it was
        QCOMPARE(platform::CurrentPrinterName(), kLongName);
        QCOMPARE(device_.copies, 3);
        QCOMPARE(device_.orientation, PrinterDevice::Orientation::Landscape);
        QCOMPARE(device_.paper, QPageSize::A3);
    }

    void nameFromTheDialogIgnoresCase() {
        testsupport::PromptScript prompts;
        prompts.answerPrint(true, [](platform::PrintDialogRequest& r) { r.printer = kLongName.toLower(); });
        Window w;
        ToonPrinterDialoog(w, 0x100004);
        QCOMPARE(platform::CurrentPrinterName(), kLongName);
    }

    void cancelCountsForThisCallOnly() {
        testsupport::PromptScript prompts;
        prompts.answerPrint(false, [](platform::PrintDialogRequest& r) { r.copies = 9; });
        prompts.answerPrint(true);
        Window w;
        ToonPrinterDialoog(w, 0x100004);
        QCOMPARE(w.Tag(), QString("1"));
        QCOMPARE(platform::CurrentPrinterName(), platform::PdfPrinterName());
        QCOMPARE(device_.copies, 1);
        ToonPrinterDialoog(w, 0x100004);
        QVERIFY(w.Tag() != "1");
    }

    void dialogWindowTakesItsChoices() {
        platform::PrintDialogRequest r;
        r.title = "Afdrukken";
        r.printers = {platform::PdfPrinterName(), kLongName};
        r.printer = platform::PdfPrinterName();
        r.paperSizes = {"A4", "A5"};
        r.paperSize = "A4";
        r.captionCopies = "Aantal exemplaren";
        platform::PrintDialogWindow dialog(r, nullptr);
        QCOMPARE(dialog.printers->currentText(), platform::PdfPrinterName());
        QVERIFY(dialog.portrait->isChecked());
        dialog.printers->setCurrentIndex(1);
        dialog.copies->setValue(4);
        dialog.landscape->setChecked(true);
        dialog.paper->setCurrentIndex(1);
        dialog.TakeChoices(r);
        QCOMPARE(r.printer, kLongName);  // the whole name, however long
        QCOMPARE(dialog.printers->toolTip(), kLongName);
        QCOMPARE(r.copies, 4);
        QVERIFY(r.landscape);
        QCOMPARE(r.paperSize, QString("A5"));
        QVERIFY(dialog.copies->maximum() >= 99);
    }

    // Every caption of the dialog carries an access key of its own, in both
    // languages; an "&" of a caller's caption shows as it is.
    void dialogCaptionsHaveTheirOwnAccessKeys_data() {
        QTest::addColumn<QString>("copies");
        QTest::newRow("Dutch") << "Aantal exemplaren";
        QTest::newRow("English") << "Copies";
    }
    void dialogCaptionsHaveTheirOwnAccessKeys() {
        QFETCH(QString, copies);
        platform::PrintDialogRequest r;
        r.printers = {platform::PdfPrinterName()};
        r.paperSizes = {"A4"};
        r.captionCopies = copies;
        r.captionPaper = "Papier & vorm";
        platform::PrintDialogWindow dialog(r, nullptr);
        QStringList teksten;
        for (auto* b : dialog.findChildren<QAbstractButton*>()) teksten << b->text();
        for (auto* g : dialog.findChildren<QGroupBox*>()) teksten << g->title();
        for (auto* l : dialog.findChildren<QLabel*>()) teksten << l->text();
        QCOMPARE(teksten.size(), 8);
        QSet<int> toetsen;
        for (const QString& t : teksten) {
            const QKeySequence toets = QKeySequence::mnemonic(t);
            QVERIFY2(!toets.isEmpty(), qPrintable(t));
            QVERIFY2(!toetsen.contains(toets[0].toCombined()), qPrintable(t));
            toetsen.insert(toets[0].toCombined());
        }
        QCOMPARE(teksten.filter("Papier && ").size(), 1);
    }

    void copiesAreOfferedOnlyWhereThePrinterHonoursThem() {
        // A device in place answers for itself.
        QVERIFY(platform::PrinterSupportsCopies(kLongName));
        device_.copiesSupported = false;
        QVERIFY(!platform::PrinterSupportsCopies(kLongName));
        // The real ones: the PDF printer writes copies; a name the system
        // does not know cannot print any.
        platform::SetPrinterOverride(nullptr);
        QVERIFY(platform::PrinterSupportsCopies(platform::PdfPrinterName()));
        QVERIFY(!platform::PrinterSupportsCopies(kLongName));

        platform::PrintDialogRequest r;
        r.printers = {platform::PdfPrinterName(), kLongName};
        r.printer = kLongName;
        r.copies = 3;
        platform::PrintDialogWindow dialog(r, nullptr);
        QVERIFY(!dialog.copies->isEnabled());
        QCOMPARE(dialog.copies->value(), 1);
        dialog.TakeChoices(r);
        QCOMPARE(r.copies, 1);

        dialog.printers->setCurrentIndex(0);  // the PDF printer writes copies
        QVERIFY(dialog.copies->isEnabled());
        dialog.copies->setValue(5);
        dialog.TakeChoices(r);
        QCOMPARE(r.copies, 5);
        dialog.printers->setCurrentIndex(1);
        QVERIFY(!dialog.copies->isEnabled());
        dialog.TakeChoices(r);
        QCOMPARE(r.copies, 1);
    }
};

QTEST_MAIN(TestPrinter)
#include "test_printer.moc"
