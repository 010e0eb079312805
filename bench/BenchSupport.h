#pragma once
// What every benchmark needs to run unattended: figures that reach the
// terminal or a pipe line by line, a time bound that ends the program when it
// is exceeded, and prompts that are answered at once instead of waiting for a
// user (each one is recorded and reported at the end as a fault).

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "support/PromptScript.h"

namespace bench {

// Ends the program with exit status 2 when it is still running after the
// given time; a benchmark that hangs then fails instead of blocking a run.
class TijdGrens {
public:
    TijdGrens(const char* naam, std::chrono::seconds grens)
        : draad_([this, naam, grens] {
              std::unique_lock<std::mutex> slot(mutex_);
              if (!klaar_.wait_for(slot, grens, [this] { return gedaan_; })) {
                  std::fflush(stdout);
                  std::fprintf(stderr, "%s: not done after %lld s, stopped\n", naam,
                               static_cast<long long>(grens.count()));
                  std::fflush(stderr);
                  std::_Exit(2);
              }
          }) {}
    ~TijdGrens() {
        {
            std::lock_guard<std::mutex> slot(mutex_);
            gedaan_ = true;
        }
        klaar_.notify_one();
        draad_.join();
    }
    TijdGrens(const TijdGrens&) = delete;
    TijdGrens& operator=(const TijdGrens&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable klaar_;
    bool gedaan_ = false;
    std::thread draad_;  // last: starts once the members above exist
};

// Answers every prompt at once with the choice that does nothing (No, Cancel,
// OK; an empty file name; a cancelled print dialog) unless the benchmark
// scripted an answer, and records it.
class GeenVragen {
public:
    GeenVragen() {
        std::setvbuf(stdout, nullptr, _IOLBF, 0);
        script_.setReportToTest(false);
    }
    testsupport::PromptScript& script() { return script_; }
    // Prints the prompts nobody expected; true when there were none.
    bool Rapporteer() const {
        for (const QString& f : script_.failures())
            std::fprintf(stderr, "unexpected prompt: %s\n", qPrintable(f));
        return script_.failures().isEmpty();
    }

private:
    testsupport::PromptScript script_;
};

}  // namespace bench
