// Deal engine benchmark: attempts per second on one core for an unconstrained
// window, the default window and a narrow one; then the time of a whole
// 48-board Start on the main window (offscreen).
#include <QApplication>

#include <chrono>
#include <cstdio>

#include "main/SpelGenerator.h"
#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "shared/BasVeldom.h"
#include "support/TestSupport.h"

using namespace spel;

namespace {

double Seconden(std::chrono::steady_clock::time_point van) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - van).count();
}

void MeetPogingen(const char* naam, Puntvenster venster, long long spellen) {
    KaartGever gever(12345);
    Verdeling v;
    long long pogingen = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long long i = 0; i < spellen; ++i) pogingen += ZoekSpel(gever, venster, v);
    const double s = Seconden(start);
    std::printf("%-28s %10lld attempts %8.3f s  %12.0f attempts/s  %6.2f attempts/board\n", naam,
                pogingen, s, pogingen / s, double(pogingen) / spellen);
}

}  // namespace

void MeetStart(const char* naam, const QString& min, const QString& max) {
    testsupport::TempHome home;
    SchrijfIni("Standaard", "Spellen", "48", home.file("taal.ini"));
    SchrijfIni("Punten", "MinimaalPunten", min, home.file("taal.ini"));
    SchrijfIni("Punten", "MaximaalPunten", max, home.file("taal.ini"));
    frmVeldom01().Show();
    frmVeldom01Form& f = frmVeldom01();
    constexpr int Keer = 20;
    double totaal = 0, slechtst = 0;
    for (int i = 0; i < Keer; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f.cmdStart_Click();
        const double s = Seconden(start);
        totaal += s;
        slechtst = std::max(slechtst, s);
    }
    std::printf("%-28s 48 boards: %8.2f ms average, %8.2f ms worst (%d runs, %lld attempts last run)\n",
                naam, 1000 * totaal / Keer, 1000 * slechtst, Keer, f.PogingenLaatsteRun());
    platform::Unload(f);
    platform::DoEvents();
}

int main(int argc, char** argv) {
    MeetPogingen("window off", {0, 0, false}, 5'000'000);
    MeetPogingen("window 12-24", {12, 24, true}, 5'000'000);
    MeetPogingen("window 19-20", {19, 20, true}, 500'000);

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::SetupApplication(app);
    platform::SetEndHandler([] {});
    MeetStart("Start, window 12-24", "12", "24");
    MeetStart("Start, window 19-21", "19", "21");
    return 0;
}
