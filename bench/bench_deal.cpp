// Deal engine benchmark: attempts per second on one core for an unconstrained
// window (every attempt a deal, so deals per second), the default window and a
// narrow one, each the best of three rounds; then the time of a whole 48-board
// Start on the main window (offscreen). Runs unattended: a prompt is answered
// at once and reported, and the program stops itself after five minutes.
// "--quick" runs a few hundred times fewer deals, to check that it runs at all.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>

#include "BenchSupport.h"

#include "main/SpelGenerator.h"
#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/TestSupport.h"

using namespace spel;

namespace {

double Seconden(std::chrono::steady_clock::time_point van) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - van).count();
}

void MeetPogingen(const char* naam, Puntvenster venster, long long spellen) {
    constexpr int Rondes = 3;
    double besteTijd = 0;
    long long pogingen = 0;
    for (int ronde = 0; ronde < Rondes; ++ronde) {
        KaartGever gever(12345);
        Verdeling v;
        long long n = 0;
        const auto start = std::chrono::steady_clock::now();
        for (long long i = 0; i < spellen; ++i) n += ZoekSpel(gever, venster, v);
        const double s = Seconden(start);
        if (ronde == 0 || s < besteTijd) besteTijd = s;
        pogingen = n;  // the same seed: every round makes the same attempts
    }
    std::printf("%-28s %10lld attempts %8.3f s  %12.0f attempts/s  %6.2f attempts/board\n", naam,
                pogingen, besteTijd, pogingen / besteTijd, double(pogingen) / spellen);
}

void MeetStart(const char* naam, const QString& min, const QString& max, int keer) {
    testsupport::TempHome home;
    // A program folder as an installation has it: without MAIL.TXT the main
    // window would report the missing file.
    testsupport::WriteWorkingMailTxt();
    SchrijfIni("Standaard", "Spellen", "48", home.file("taal.ini"));
    SchrijfIni("Punten", "MinimaalPunten", min, home.file("taal.ini"));
    SchrijfIni("Punten", "MaximaalPunten", max, home.file("taal.ini"));
    frmVeldom01().Show();
    frmVeldom01Form& f = frmVeldom01();
    double totaal = 0, slechtst = 0;
    for (int i = 0; i < keer; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f.cmdStart_Click();
        const double s = Seconden(start);
        totaal += s;
        slechtst = std::max(slechtst, s);
    }
    std::printf("%-28s 48 boards: %8.2f ms average, %8.2f ms worst (%d runs, %lld attempts last run)\n",
                naam, 1000 * totaal / keer, 1000 * slechtst, keer, f.PogingenLaatsteRun());
    platform::Unload(f);
    platform::DoEvents();
}

}  // namespace

int main(int argc, char** argv) {
    bench::TijdGrens tijdGrens("bench_deal", std::chrono::minutes(5));
    bench::GeenVragen geenVragen;
    const bool snel = argc > 1 && std::string_view(argv[1]) == "--quick";
    const long long deals = snel ? 20'000 : 5'000'000;
    MeetPogingen("window off (deals)", {0, 0, false}, deals);
    MeetPogingen("window 12-24", {12, 24, true}, deals);
    MeetPogingen("window 19-20", {19, 20, true}, deals / 10);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::SetupApplication(app);
    platform::SetEndHandler([] {});
    MeetStart("Start, window 12-24", "12", "24", snel ? 2 : 20);
    MeetStart("Start, window 19-21", "19", "21", snel ? 2 : 20);
    return geenVragen.Rapporteer() ? 0 : 1;
}
