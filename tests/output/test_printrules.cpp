#include <QtTest>

#include <QLabel>
#include <QWidget>

#include "output/AfdrukRegels.h"
#include "output/AfdrukTaak.h"
#include "output/LetterGrootte.h"
#include "support/RecordingPrinter.h"

using namespace afdruk;

namespace {

QString Nl(int n) {
    static const QMap<int, QString> t{{1, "Noord"},   {2, "Oost"},       {3, "Zuid"},
                                      {4, "West"},    {5, "Gever"},      {6, "Kwetsbaar"},
                                      {7, "Niemand"}, {8, "Noord-Zuid"}, {9, "Oost-West"},
                                      {10, "Allen"},  {64, "Spel"},      {105, "NZ"},
                                      {106, "OW"},    {107, "Allemaal"}};
    return t.value(n);
}

QString En(int n) {
    static const QMap<int, QString> t{{1, "North"}, {2, "East"},     {3, "South"},  {4, "West"},
                                      {5, "Dealer"}, {6, "Vulnerable"}, {7, "Non"},
                                      {8, "North-South"}, {9, "East-West"}, {10, "All"},
                                      {64, "Game"},  {105, "NS"},    {106, "EW"},  {107, "All"}};
    return t.value(n);
}

Afbeelding Vlak(int twipsBreed, int twipsHoog) {
    Afbeelding a;
    a.breedte = Himetric(twipsBreed);
    a.hoogte = Himetric(twipsHoog);
    return a;
}

}  // namespace

class TestPrintRules : public QObject {
    Q_OBJECT
private slots:
    void narrowScalesOfLayoutsZeroToTwo() {
        QCOMPARE(*SchaalSmal(0), 0.50);
        QCOMPARE(*SchaalSmal(1), 0.48);
        QCOMPARE(*SchaalSmal(23), 0.04);
        QVERIFY(!SchaalSmal(-1));
        QVERIFY(!SchaalSmal(24));
    }
    void diagramScaleKeepsNarrowingToTheLastSetting() {
        QCOMPARE(*SchaalDiagram(0), 0.60);
        QCOMPARE(*SchaalDiagram(5), 0.50);
        QCOMPARE(*SchaalDiagram(20), 0.20);
        QCOMPARE(*SchaalDiagram(21), 0.18);
        QCOMPARE(*SchaalDiagram(22), 0.16);
        QCOMPARE(*SchaalDiagram(23), 0.14);
        for (int k = 1; k <= HoogsteVersmalling; ++k)
            QVERIFY(*SchaalDiagram(k) < *SchaalDiagram(k - 1));
        QVERIFY(!SchaalDiagram(24));
        QVERIFY(!SchaalDiagram(-3));
    }
    void stepAndPageTest() {
        QCOMPARE(Stap(0.50, 5000), 5000.0);
        QCOMPARE(Stap(0.04, 5000), 400.0);
        // Two spacing steps lengthen the step by 2 s 120.
        QCOMPARE(Stap(0.50, 6000 + 2 * TussenruimteStap) - Stap(0.50, 6000), 2 * 0.50 * 120);
        QVERIFY(!PaginaVol(5000, 10400, 15500));
        QVERIFY(PaginaVol(5000, 10401, 15500));
    }
    void centringDropsTheHalfTwip() {
        QCOMPARE(MiddenX(11000, 9000), 1000);
        QCOMPARE(MiddenX(11001, 9000), 1000);
        QCOMPARE(Himetric(1440), 2540);
    }
    void aPictureBesideThePageIsCentredAndMadeToFit() {
        // On the page: as asked.
        QCOMPARE(OpPagina(200, 0.5, 20000, 11900).x, 200.0);
        QCOMPARE(OpPagina(200, 0.5, 20000, 11900).schaal, 0.5);
        QCOMPARE(OpPagina(0, 0.5, 23800, 11900).schaal, 0.5);
        // Left of the page but narrow enough: centred, same scale.
        QCOMPARE(OpPagina(-600, 0.4, 16933, 8400).schaal, 0.4);
        QCOMPARE(OpPagina(-600, 0.4, 16933, 8400).x, std::floor((8400 - 16933 * 0.4) / 2));
        // Sticking out on the right: centred.
        QCOMPARE(OpPagina(200, 0.5, 16000, 8400).x, 200.0);
        // Wider than the page less its margins: smaller, centred.
        const Plek breed = OpPagina(-600, 0.6, 16933, 8400);
        QCOMPARE(breed.x, double(LinkerRand));
        QVERIFY(qAbs(breed.schaal * 16933 - (8400 - 2 * LinkerRand)) < 0.01);
        // A page of no width changes nothing.
        QCOMPARE(OpPagina(-5, 0.5, 100, 0).x, -5.0);
    }
    void fontSizeThatFitsTheBox() {
        QFont letter("DejaVu Sans");
        letter.setBold(true);
        // Short texts keep the design size.
        QCOMPARE(PassendeGrootte(letter, {"AK5", "Q"}, 150, 16.0), 16.0);
        QCOMPARE(PassendeGrootte(letter, {}, 150, 16.0), 16.0);
        // A long one gets the largest quarter point at which it fits.
        const QString lang = "AKQJ1098765432";
        const double grootte = PassendeGrootte(letter, {"AK5", lang}, 150, 16.0);
        QVERIFY(grootte < 16.0 && grootte >= KleinsteLetter);
        QCOMPARE(grootte * 4, std::round(grootte * 4));
        auto breedte = [&](double punten) {
            QFont f = letter;
            f.setPointSizeF(punten);
            return QFontMetricsF(f).horizontalAdvance(lang);
        };
        QVERIFY(breedte(grootte) <= 150);
        QVERIFY(breedte(grootte + 0.25) > 150);
        // No room at all: the smallest size, never less.
        QCOMPARE(PassendeGrootte(letter, {lang}, 5, 16.0), KleinsteLetter);
        // Room in a text box is less than in a label of the same width.
        QVERIFY(TekstvakRuimte(3000) < LabelRuimte(3000));
        QCOMPARE(LabelRuimte(3000), 199);
    }
    void tenFormIsCaseSensitiveOverTheWholeText() {
        QCOMPARE(TienVorm("AH10~T2~-", true), QString("AHT~T2~-"));
        QCOMPARE(TienVorm("AHT~T2", false), QString("AH10~102"));
        QCOMPARE(TienVorm("t9", false), QString("t9"));
    }
    void pointsOfASeatField() {
        QCOMPARE(PuntenTekst("Noord(12)"), QString("(12)"));
        QCOMPARE(PuntenTekst("West(7)x(3)"), QString("(7)x(3)"));
        QCOMPARE(PuntenTekst("Noord"), QString("()"));
        QCOMPARE(PuntenTekst(""), QString("()"));
    }
    void shortRecordsGiveEmptyFields() {
        const QStringList velden = QString("001~AK~Q").split('~');
        QCOMPARE(Holding(velden, 0, 0), QString("AK"));
        QCOMPARE(Holding(velden, 0, 1), QString("Q"));
        QCOMPARE(Holding(velden, 3, 3), QString());
        QCOMPARE(Veld(velden, -1), QString());
    }
    void blankItemsAreNoDeals() {
        const QStringList items{"001~A", "", "   ", "002~K", "\t"};
        QCOMPARE(DealItems(items), (QStringList{"001~A", "002~K"}));
        QVERIFY(DealItems({}).isEmpty());
    }
    void digitsOfTheSeries() {
        const QString reeks = QString("0123123023013012").repeated(15);
        QCOMPARE(ReeksCijfer(reeks, 1), 0);
        QCOMPARE(ReeksCijfer(reeks, 4), 3);
        QCOMPARE(ReeksCijfer(reeks, 16), 2);
        QCOMPARE(ReeksCijfer(reeks, 0), -1);
        QCOMPARE(ReeksCijfer(reeks, 301), -1);
        QCOMPARE(ReeksCijfer("0x", 2), -1);
        QCOMPARE(GeverOpPlaats(1), 0);
        QCOMPARE(GeverOpPlaats(6), 1);
    }
    void vulnerabilityForms() {
        QCOMPARE(KwetsbaarKort(Nl, 0, AllenVorm::Letter), QString("-"));
        QCOMPARE(KwetsbaarKort(Nl, 1, AllenVorm::Letter), QString("NZ"));
        QCOMPARE(KwetsbaarKort(En, 2, AllenVorm::Heel), QString("EW"));
        QCOMPARE(KwetsbaarKort(Nl, 3, AllenVorm::Letter), QString("A"));
        QCOMPARE(KwetsbaarKort(Nl, 3, AllenVorm::Heel), QString("Allemaal"));
        QCOMPARE(KwetsbaarKort(Nl, 3, AllenVorm::TweeLetters), QString("Al"));
        QCOMPARE(KwetsbaarKort(En, 3, AllenVorm::Heel), QString("All"));
        QCOMPARE(KwetsbaarKort(Nl, 4, AllenVorm::Heel), QString());
        QCOMPARE(KwetsbaarNaam(Nl, 2), QString("Oost-West"));
        QCOMPARE(KwetsbaarNaam(En, 0), QString("Non"));
        QCOMPARE(KwetsbaarNaam(En, -1), QString());
    }
    void captions() {
        QCOMPARE(SpelKop(Nl, 6, 2, 1, "OW"), QString("Spel 6 - Zuid   O/OW"));
        QCOMPARE(SpelKop(En, 12, 0, 3, "All"), QString("Game 12 - North   W/All"));
        QCOMPARE(GeverRegel(Nl, 1), QString("Gever: Oost"));
        QCOMPARE(GeverRegel(En, 2), QString("Dealer: South"));
        QCOMPARE(KwetsbaarRegel(En, "All"), QString("Vulnerable: All"));
    }
    void dealsPerPicture() {
        QCOMPARE(Afbeeldingen(24, 4).size(), 6);
        QCOMPARE(Afbeeldingen(5, 4), (QList<QList<int>>{{1, 2, 3, 4}, {5}}));
        QCOMPARE(Afbeeldingen(5, 2), (QList<QList<int>>{{1, 2}, {3, 4}, {5}}));
        QCOMPARE(Afbeeldingen(1, 2), (QList<QList<int>>{{1}}));
        QVERIFY(Afbeeldingen(0, 4).isEmpty());
        QVERIFY(Afbeeldingen(3, 0).isEmpty());
    }

    // The job: positions, pages and the end of the document.
    void picturesStackFromFourHundred() {
        testsupport::RecordingPrinter printer("R", 11000, 15500);
        AfdrukTaak taak(printer);
        const Afbeelding a = Vlak(9000, 5000);
        QCOMPARE(taak.Positie(), 400.0);
        for (int i = 0; i < 4; ++i)
            QVERIFY(taak.Plaats(a, 200, 0.50, 5000));
        QVERIFY(taak.Einde());
        QCOMPARE(printer.jobs.size(), 1);
        const auto& pages = printer.jobs[0].pages;
        // 400, 5400, 10400 fit; after the third 15400 + 5100 > 15500.
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].pictures.size(), 3);
        QCOMPARE(pages[0].pictures[0].y, 400);
        QCOMPARE(pages[0].pictures[1].y, 5400);
        QCOMPARE(pages[0].pictures[2].y, 10400);
        QCOMPARE(pages[1].pictures[0].y, 400);
        QCOMPARE(pages[0].pictures[0].x, 200);
        QCOMPARE(pages[0].pictures[0].width, qRound(Himetric(9000) * 0.5));
        QCOMPARE(pages[0].pictures[0].height, qRound(Himetric(5000) * 0.5));
        QCOMPARE(taak.Positie(), 400.0);
    }
    void aFullLastPageStartsNoEmptyPage() {
        testsupport::RecordingPrinter printer("R", 11000, 15500);
        AfdrukTaak taak(printer);
        const Afbeelding a = Vlak(9000, 5000);
        for (int i = 0; i < 3; ++i)
            QVERIFY(taak.Plaats(a, 200, 0.50, 5000));
        QCOMPARE(taak.Positie(), 400.0);
        QVERIFY(taak.Einde());
        QCOMPARE(printer.calls, (QStringList{"paint", "paint", "paint", "enddoc"}));
    }
    void nothingPaintedDropsTheJob() {
        testsupport::RecordingPrinter printer;
        AfdrukTaak taak(printer);
        QVERIFY(taak.Plaats(Vlak(9000, 5000), 200, std::nullopt, 5000));
        QCOMPARE(taak.Positie(), 400.0);
        QVERIFY(!taak.IetsGeschilderd());
        QVERIFY(taak.Einde());
        QCOMPARE(printer.calls, QStringList{"killdoc"});
        QVERIFY(printer.EndedJobs().isEmpty());
    }
    void printerErrorsAreReported() {
        testsupport::RecordingPrinter printer;
        printer.FailAtPaint(2, "paper jam");
        AfdrukTaak taak(printer);
        QVERIFY(taak.Plaats(Vlak(9000, 2000), 200, 0.5, 2000));
        QVERIFY(!taak.Plaats(Vlak(9000, 2000), 200, 0.5, 2000));
        QCOMPARE(taak.Fout(), QString("paper jam"));
        taak.Afbreken();
        QVERIFY(printer.jobs[0].killed);
        QVERIFY(!printer.jobs[0].ended);
    }
    void failedEndIsAnErrorButACancelIsNot() {
        testsupport::RecordingPrinter failing;
        failing.FailEndDoc("disk full");
        AfdrukTaak taak(failing);
        taak.Plaats(Vlak(100, 100), 200, 0.5, 100);
        QVERIFY(!taak.Einde());
        QCOMPARE(taak.Fout(), QString("disk full"));

        testsupport::RecordingPrinter cancelled;
        cancelled.FailEndDoc("");
        AfdrukTaak taak2(cancelled);
        taak2.Plaats(Vlak(100, 100), 200, 0.5, 100);
        QVERIFY(taak2.Einde());
    }

    void aJobFillsCapturesAndEnds() {
        testsupport::RecordingPrinter printer;
        QList<int> gevuld;
        const QString fout = DrukJob(
            printer, 3, [&](int i) { gevuld << i; }, [] { return Vlak(9000, 2000); }, 200, 0.5,
            2000);
        QVERIFY(fout.isEmpty());
        QCOMPARE(gevuld, (QList<int>{0, 1, 2}));
        QCOMPARE(printer.calls, (QStringList{"paint", "paint", "paint", "enddoc"}));
        QCOMPARE(printer.jobs[0].pages[0].pictures[2].y, 400 + 2 * 2000);
    }
    void aJobWithoutPicturesMakesNoDocument() {
        testsupport::RecordingPrinter printer;
        QVERIFY(DrukJob(printer, 0, [](int) {}, [] { return Vlak(1, 1); }, 200, 0.5, 10).isEmpty());
        QVERIFY(printer.EndedJobs().isEmpty());
    }
    void aFailedCaptureStopsTheJobWithAMessage() {
        testsupport::RecordingPrinter printer;
        int keer = 0;
        const QString fout = DrukJob(
            printer, 3, [](int) {}, [&] { return ++keer == 2 ? Afbeelding() : Vlak(900, 200); },
            200, 0.5, 200);
        QVERIFY(!fout.isEmpty());
        QCOMPARE(printer.calls, (QStringList{"paint", "killdoc"}));
        QVERIFY(printer.EndedJobs().isEmpty());
    }

    // The capture: a window that was never shown still gives its texts.
    void captureKeepsTextsOfAHiddenWindow() {
        QWidget venster;
        venster.resize(300, 100);
        auto* label = new QLabel("Spel 1 - Noord", &venster);
        label->setGeometry(10, 10, 200, 20);
        auto* rood = new QLabel("AH7", &venster);
        rood->setGeometry(10, 50, 200, 20);
        rood->setStyleSheet("color: #c00000");
        const Afbeelding a = VangVenster(venster, 4500, 1500);
        QVERIFY(!venster.isVisible());
        QCOMPARE(a.breedte, Himetric(4500));
        QCOMPARE(a.hoogte, Himetric(1500));
        const auto texts = testsupport::TextsOf(a.tekening);
        QStringList gevonden;
        for (const auto& t : texts)
            gevonden << t.text;
        QVERIFY2(gevonden.contains("Spel 1 - Noord"), qPrintable(gevonden.join('|')));
        QVERIFY(gevonden.contains("AH7"));
        for (const auto& t : texts)
            if (t.text == "AH7")
                QCOMPARE(t.color, QColor(0xc0, 0, 0));
    }
    void anEmptyWindowCapturesNothing() {
        QWidget venster;
        venster.resize(0, 0);
        QVERIFY(VangVenster(venster, 0, 0).Leeg());
    }
};

QTEST_MAIN(TestPrintRules)
#include "test_printrules.moc"
