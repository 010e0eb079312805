// Results entry benchmark: a match of 40 pairs (20 tables) and 48 boards is
// typed key by key into the real results entry window, in immediate mode
// with "continue with the next board" ticked, in a program folder on disk.
// It prints the median and the worst time from the final key of a board to
// its matchpoints shown (the key handled and the window repainted), and the
// same for every other key. Runs unattended: a prompt is answered at once and
// reported, and the program stops itself after five minutes. "--quick"
// types three boards instead of 48. Beside each wall-clock figure stands the
// CPU time the main thread spent on the key, which a loaded machine disturbs
// less.
#include <QApplication>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <vector>

#include "BenchSupport.h"

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "results/frmVeldom11.h"
#include "results/StartWedstrijd11.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/GroepBestand.h"
#include "support/MailTxtFixture.h"
#include "support/TestSupport.h"

namespace {

// Entries that need no question while they are typed.
const char* const Contracten[] = {"4scz", "3h+1n", "3a-1w",  "4hc!n", "3a-2!!w", "2s+1!n",
                                  "p",    "6acn",  "2r-1o", "5kcz",  "3ac!o",   "1a+1!!n"};

double Ms(std::chrono::steady_clock::time_point van) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - van).count();
}

// CPU time of the calling thread, ms.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Reeks {
    std::vector<double> ms, cpu;
    void Print(const char* naam) {
        if (ms.empty()) return;
        std::sort(ms.begin(), ms.end());
        std::sort(cpu.begin(), cpu.end());
        std::printf("%-12s %5zu keys: median %7.2f ms, worst %7.2f ms (CPU median %6.2f ms, worst %6.2f ms)\n",
                    naam, ms.size(), ms[ms.size() / 2], ms.back(), cpu[cpu.size() / 2], cpu.back());
    }
};

}  // namespace

int main(int argc, char** argv) {
    bench::TijdGrens tijdGrens("bench_entry", std::chrono::minutes(5));
    bench::GeenVragen geenVragen;
    const bool snel = argc > 1 && std::string_view(argv[1]) == "--quick";
    const int spellen = snel ? 3 : 48;
    const int paren = 40;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::SetupApplication(app);
    platform::SetEndHandler([] {});
    // Static, so that it outlives the main window's program lock.
    static testsupport::TempHome home;
    testsupport::WriteWorkingMailTxt();

    QString fout;
    if (!SchrijfGroepVanParen(QStringLiteral("Groep"), paren, &fout)) {
        std::fprintf(stderr, "group not written: %s\n", qPrintable(fout));
        return 1;
    }
    frmVeldom11Form& f = OpenInvoer();
    if (!KiesInLijst(f.lstGroepen, QStringLiteral("Groep"))) return 1;
    f.cmdOpslaanAls.Click();
    frmVeldom02().txtBestandsNaam.SetText(QStringLiteral("Bench"));
    frmVeldom02().cmdOK.Click();
    platform::DoEvents();
    f.vscrAantal.SetValue(48 - spellen);
    f.cmdStart.Click();
    f.chkEnter.SetValue(0);
    f.chkNieuwSpel.SetValue(1);
    f.cmdSpel_Click(1);
    platform::DoEvents();

    Reeks laatste, gewoon;
    int fouten = 0;
    for (int b = 1; b <= spellen; ++b) {
        if (f.cmdSpel[0].Tag() != QString::number(b)) {
            std::fprintf(stderr, "board %d is not open (board %s is)\n", b, qPrintable(f.cmdSpel[0].Tag()));
            return 1;
        }
        for (int t = 0; t < paren / 2; ++t) {
            const QString c = QString::fromLatin1(Contracten[(b * 5 + t * 7) % 12]);
            for (int k = 0; k < c.size(); ++k) {
                const auto start = std::chrono::steady_clock::now();
                const double cpuStart = CpuMs();
                QTest::keyClick(f.txtContract.widget(), c.at(k).toLatin1());
                platform::DoEvents();
                const double ms = Ms(start), cpu = CpuMs() - cpuStart;
                Reeks& reeks = t == paren / 2 - 1 && k == c.size() - 1 ? laatste : gewoon;
                reeks.ms.push_back(ms);
                reeks.cpu.push_back(cpu);
            }
        }
        if (KlaarVlaggen.at(b - 1) != QLatin1Char('1') || f.msfgResultaat.TextMatrix(1, b).isEmpty()) ++fouten;
    }
    laatste.Print("final key");
    gewoon.Print("other key");
    if (fouten) std::fprintf(stderr, "%d boards were not complete\n", fouten);
    platform::Unload(f);
    platform::DoEvents();
    return geenVragen.Rapporteer() && fouten == 0 ? 0 : 1;
}
