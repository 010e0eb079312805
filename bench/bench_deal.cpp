// Deal engine benchmark: attempts per second on one core for an unconstrained
// window, the default window and a narrow one.
#include <chrono>
#include <cstdio>

#include "main/SpelGenerator.h"

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

int main() {
    MeetPogingen("window off", {0, 0, false}, 5'000'000);
    MeetPogingen("window 12-24", {12, 24, true}, 5'000'000);
    MeetPogingen("window 19-20", {19, 20, true}, 500'000);
    return 0;
}
