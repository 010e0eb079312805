// Print benchmark: seconds to print a 24-board set through the built-in PDF
// printer in layout 0 (four files, one per seat) and in layout 1 (one file),
// from the print-job window to the last file written. Runs unattended: a
// prompt nobody scripted is answered at once and reported, and the program
// stops itself after five minutes. "--quick" prints one round instead of three.
#include <QApplication>
#include <QDir>

#include <chrono>
#include <cstdio>
#include <string_view>

#include "BenchSupport.h"

#include "deal/SpelGenerator.h"
#include "deal/SpelRecord.h"
#include "main/frmVeldom01.h"
#include "output/frmVeldom08.h"
#include "platform/App.h"
#include "platform/Printer.h"
#include "shared/Ini.h"
#include "shared/Instellingen.h"
#include "shared/Tekst.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

namespace {

bool allesGoed = true;

QStringList Set(int aantal) {
    spel::KaartGever gever(2024);
    const QStringList namen{TaalTekst(1), TaalTekst(2), TaalTekst(3), TaalTekst(4)};
    QStringList set;
    for (int b = 1; b <= aantal; ++b) {
        spel::Verdeling v;
        spel::ZoekSpel(gever, {0, 0, false}, v);
        set << spel::BouwSpelRecord(b, v, namen, TaalTekst(24), true);
    }
    return set;
}

double Print(const testsupport::TempHome& home, const QString& layout, int bestanden,
             const QStringList& set) {
    SchrijfIni("Printer", "Print Richting", layout, IniBestand);
    testsupport::PromptScript prompts;
    prompts.setReportToTest(false);
    prompts.answerPrint(true);
    for (int i = 0; i < bestanden; ++i)
        prompts.answerFile(home.file(QStringLiteral("layout%1-%2.pdf").arg(layout).arg(i)));
    auto& lijst = frmVeldom01().lstSpellenSet1;
    lijst.Clear();
    for (const QString& item : set)
        lijst.AddItem(item);
    const auto start = std::chrono::steady_clock::now();
    frmVeldom08().Show();
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const int geschreven = int(QDir(home.path()).entryList({"layout" + layout + "-*.pdf"}).size());
    for (const QString& f : prompts.failures())
        std::fprintf(stderr, "layout %s: unexpected prompt: %s\n", qPrintable(layout), qPrintable(f));
    if (geschreven != bestanden || !prompts.failures().isEmpty()) {
        std::fprintf(stderr, "layout %s: expected %d files, got %d\n", qPrintable(layout),
                     bestanden, geschreven);
        allesGoed = false;
    }
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    bench::TijdGrens tijdGrens("bench_print", std::chrono::minutes(5));
    bench::GeenVragen geenVragen;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::SetupApplication(app);
    // Static, so that it outlives the main window's program lock.
    static testsupport::TempHome home;
    testsupport::WriteWorkingMailTxt();
    LeesInstellingen();
    PdfPrinter = platform::PdfPrinterName();
    PdfBreedte = 0;
    const QStringList set = Set(24);
    const bool snel = argc > 1 && std::string_view(argv[1]) == "--quick";
    for (int ronde = 1; ronde <= (snel ? 1 : 3); ++ronde) {
        std::printf("round %d: layout 0, 24 boards, 4 files: %.3f s\n", ronde,
                    Print(home, "0", 4, set));
        std::printf("round %d: layout 1, 24 boards, 1 file:  %.3f s\n", ronde,
                    Print(home, "1", 1, set));
    }
    return geenVragen.Rapporteer() && allesGoed ? 0 : 1;
}
