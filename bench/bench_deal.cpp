// Deal engine benchmark, side by side in one run: unconstrained deals, the
// default point window 12-24, and each opening type alone (point window off,
// default limits), each the best of three rounds on one core, with the share
// of attempts accepted; then the time of a whole 48-board Start on the main
// window (offscreen). Rates are given per second of wall time and per second
// of processor time of this thread: on a shared machine the second is the
// engine's own speed. Runs unattended: a prompt is answered at once and
// reported, and the program stops itself after five minutes.
// "--quick" runs a few hundred times fewer deals, to check that it runs at all.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "BenchSupport.h"

#include "deal/GeverKwetsbaar.h"
#include "deal/SpelGenerator.h"
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

double ProcessorTijd() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// Deals `spellen` boards under `eisen`, the dealer and vulnerability running
// through boards 1 to 16 as a set does.
void MeetPogingen(const char* naam, SpelEisen eisen, long long spellen) {
    constexpr int Rondes = 3;
    int gevers[16], kwetsbaar[16];
    for (int b = 0; b < 16; ++b) {
        gevers[b] = GeverVanSpel(b + 1);
        kwetsbaar[b] = KwetsbaarVanSpel(b + 1);
    }
    double besteTijd = 0, besteProcessor = 0;
    long long pogingen = 0;
    for (int ronde = 0; ronde < Rondes; ++ronde) {
        KaartGever gever(12345);
        Verdeling v;
        long long n = 0;
        const auto start = std::chrono::steady_clock::now();
        const double startProcessor = ProcessorTijd();
        for (long long i = 0; i < spellen; ++i) {
            eisen.gever = gevers[i % 16];
            eisen.kwetsbaarCode = kwetsbaar[i % 16];
            n += ZoekSpelMetEisen(gever, eisen, v).pogingen;
        }
        const double s = Seconden(start);
        const double p = ProcessorTijd() - startProcessor;
        if (ronde == 0 || s < besteTijd) besteTijd = s;
        if (ronde == 0 || p < besteProcessor) besteProcessor = p;
        pogingen = n;  // the same seed: every round makes the same attempts
    }
    std::printf("%-22s %11lld attempts %7.3f s %6.2f M/s  %6.2f M/cpu-s  accepted %8.4f%%\n", naam,
                pogingen, besteTijd, pogingen / besteTijd / 1e6, pogingen / besteProcessor / 1e6,
                100.0 * double(spellen) / double(pogingen));
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
    std::printf("%-22s 48 boards: %8.2f ms average, %8.2f ms worst (%d runs, %lld attempts last run)\n",
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
    GeverReeks = BouwGeverReeks();
    KwetsbaarReeks = BouwKwetsbaarReeks();

    SpelEisen geen;
    geen.venster = {0, 0, false};
    MeetPogingen("unconstrained (deals)", geen, deals);
    SpelEisen venster;
    venster.venster = {12, 24, true};
    MeetPogingen("window 12-24", venster, deals);
    const char* namen[AantalOpeningSoorten] = {"rule of 20", "6 cards 11 points", "weak two",
                                               "Muiderberg two", "multi two diamonds"};
    for (int s = 0; s < AantalOpeningSoorten; ++s) {
        SpelEisen soort = geen;
        soort.soorten = 1u << s;
        MeetPogingen(namen[s], soort, deals / 20);
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::SetupApplication(app);
    platform::SetEndHandler([] {});
    MeetStart("Start, window 12-24", "12", "24", snel ? 2 : 20);
    MeetStart("Start, window 19-21", "19", "21", snel ? 2 : 20);
    return geenVragen.Rapporteer() ? 0 : 1;
}
