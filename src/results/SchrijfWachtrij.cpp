#include "results/SchrijfWachtrij.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Events.h"

namespace uitslag {

namespace {

struct Taak {
    QString pad;
    QByteArray data;
    QStringList nodig;  // files this content stands on
};

// True when the file holds exactly `data` already.
bool AlGeschreven(const QString& pad, const QByteArray& data) {
    const QFileInfo info(pad);
    if (!info.isFile() || info.size() != data.size()) return false;
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) && f.readAll() == data;
}

// Puts `t` into `rij`, where at most one write per file waits: a waiting
// write of the same file takes the new content in its place, unless a file
// the new content stands on waits behind that place; then the old write
// goes and the new one comes last. (Files that stand on others have none
// standing on them, so moving one back keeps every order that matters.)
void Plaats(std::deque<Taak>& rij, Taak t) {
    auto oud = std::find_if(rij.begin(), rij.end(), [&](const Taak& w) { return w.pad == t.pad; });
    if (oud == rij.end()) {
        rij.push_back(std::move(t));
        return;
    }
    const bool achter = std::any_of(oud + 1, rij.end(), [&](const Taak& w) { return t.nodig.contains(w.pad); });
    if (!achter) {
        *oud = std::move(t);
        return;
    }
    rij.erase(oud);
    rij.push_back(std::move(t));
}

class Schrijver {
public:
    static Schrijver& Zelf() {
        static Schrijver s;
        return s;
    }

    Schrijver() {
        // The program ending through End skips this object's destructor:
        // every queued write reaches the disk before it ends.
        platform::BeforeEnd([this] { Wacht(QString()); });
    }

    ~Schrijver() {
        // The program ends: whatever was asked for still reaches the disk.
        DraagOver();
        {
            std::lock_guard<std::mutex> slot(mutex_);
            stop_ = true;
        }
        werk_.notify_all();
        if (draad_.joinable()) draad_.join();
    }

    // User-interface thread only.
    void Voeg(Taak t) {
        Plaats(verzameld_, std::move(t));
        if (!overdrachtGepland_) {
            overdrachtGepland_ = true;
            platform::RunWhenIdle([this] {
                overdrachtGepland_ = false;
                DraagOver();
            });
        }
    }

    // User-interface thread only. Waits for `pad` (all files when empty),
    // at most `ms` milliseconds when `ms` is not negative; true when done.
    bool Wacht(const QString& pad, int ms = -1) {
        DraagOver();
        std::unique_lock<std::mutex> slot(mutex_);
        const auto klaar = [&] { return !Bezig(pad); };
        if (ms < 0) {
            gedaan_.wait(slot, klaar);
            return true;
        }
        return gedaan_.wait_for(slot, std::chrono::milliseconds(ms), klaar);
    }

    // User-interface thread only.
    int Aantal() {
        std::lock_guard<std::mutex> slot(mutex_);
        return int(verzameld_.size() + rij_.size()) + (huidig_.isEmpty() ? 0 : 1);
    }

    bool Mislukt(const QString& pad) {
        std::lock_guard<std::mutex> slot(mutex_);
        return mislukt_.contains(pad);
    }

    // User-interface thread: a write refused before it was queued counts,
    // and is told, as one that failed.
    void Geweigerd(const QString& pad, const QString& fout) {
        std::lock_guard<std::mutex> slot(mutex_);
        Meld({pad, fout, !mislukt_.contains(pad)});
        mislukt_.insert(pad);
    }

    void ZetMelder(std::function<void(const SchrijfFout&)> m) {
        std::lock_guard<std::mutex> slot(mutex_);
        melder_ = std::move(m);
    }

    // User-interface thread: the failures not yet reported, each once.
    void Lever() {
        std::vector<SchrijfFout> fouten;
        std::function<void(const SchrijfFout&)> melder;
        {
            std::lock_guard<std::mutex> slot(mutex_);
            fouten.swap(teMelden_);
            leveringGepland_ = false;
            melder = melder_;
        }
        for (const SchrijfFout& f : fouten) {
            if (melder)
                melder(f);
            else if (f.eerste)
                qWarning("%s: %s", qPrintable(f.pad), qPrintable(f.fout));
        }
    }

private:
    void DraagOver() {
        if (verzameld_.empty()) return;
        std::lock_guard<std::mutex> slot(mutex_);
        for (Taak& t : verzameld_) Plaats(rij_, std::move(t));
        verzameld_.clear();
        if (!draad_.joinable()) draad_ = std::thread([this] { Werk(); });
        werk_.notify_all();
    }

    // Under the lock.
    bool Bezig(const QString& pad) const {
        if (pad.isEmpty()) return !rij_.empty() || !huidig_.isEmpty();
        if (huidig_ == pad) return true;
        for (const Taak& t : rij_)
            if (t.pad == pad) return true;
        return false;
    }

    // The writer thread: one file after another, in the order asked for.
    void Werk() {
        std::unique_lock<std::mutex> slot(mutex_);
        for (;;) {
            werk_.wait(slot, [this] { return stop_ || !rij_.empty(); });
            if (rij_.empty()) return;  // stopped, and nothing left
            Taak t = std::move(rij_.front());
            rij_.pop_front();
            // What stands on a file that did not reach the disk is not
            // written: the file keeps saying what it said.
            const bool overslaan =
                std::any_of(t.nodig.begin(), t.nodig.end(), [this](const QString& p) { return mislukt_.contains(p); });
            if (overslaan) {
                gedaan_.notify_all();
                continue;
            }
            huidig_ = t.pad;
            slot.unlock();
            QString fout;
            const bool gelukt = AlGeschreven(t.pad, t.data) || platform::writeFileAtomic(t.pad, t.data, &fout);
            slot.lock();
            huidig_.clear();
            if (gelukt) {
                mislukt_.remove(t.pad);
            } else {
                Meld({t.pad, fout, !mislukt_.contains(t.pad)});
                mislukt_.insert(t.pad);
            }
            gedaan_.notify_all();
        }
    }

    // Under the lock: the report goes to the user-interface thread, where it
    // is made once no handler runs.
    void Meld(SchrijfFout f) {
        teMelden_.push_back(std::move(f));
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || leveringGepland_) return;
        leveringGepland_ = true;
        // The posted call is made here (under mutex_) and freed by Qt on the
        // user-interface thread after it ran, ordered by a lock inside Qt's
        // event queue that a thread checker cannot see. The call takes
        // mutex_ first, which orders the free after this thread's part in a
        // way the checker sees; it captures nothing, so nothing of it is
        // read before.
        QMetaObject::invokeMethod(
            app,
            [] {
                Schrijver& s = Zelf();
                { std::lock_guard<std::mutex> slot(s.mutex_); }
                platform::RunWhenIdle([&s] { s.Lever(); });
            },
            Qt::QueuedConnection);
    }

    // User-interface thread.
    std::deque<Taak> verzameld_;
    bool overdrachtGepland_ = false;

    // Shared with the writer thread, under mutex_.
    std::mutex mutex_;
    std::condition_variable werk_;
    std::condition_variable gedaan_;
    std::deque<Taak> rij_;
    QString huidig_;  // the file being written
    bool stop_ = false;
    QSet<QString> mislukt_;  // files whose last write failed
    std::vector<SchrijfFout> teMelden_;
    bool leveringGepland_ = false;
    std::function<void(const SchrijfFout&)> melder_;
    std::thread draad_;
};

}  // namespace

bool SchrijfLater(const QString& pad, const QByteArray& data, QString* fout, const QStringList& nodig) {
    // What the write would refuse, refused now, while the caller can still
    // keep its state as it was.
    auto weiger = [&](const QString& waarom) {
        const QString reden = QStringLiteral("%1: %2").arg(pad, waarom);
        if (fout) *fout = reden;
        MeldGeweigerd(pad, reden);
        return false;
    };
    const QFileInfo info(pad);
    const QFileInfo map(info.absolutePath());
    if (!map.isDir()) return weiger(QStringLiteral("the folder does not exist"));
    if (::access(QFile::encodeName(map.absoluteFilePath()).constData(), W_OK) != 0)
        return weiger(QStringLiteral("the folder cannot be written"));
    if (const QString waarom = platform::replaceRefusal(pad); !waarom.isEmpty()) return weiger(waarom);
    Schrijver::Zelf().Voeg({pad, data, nodig});
    return true;
}

void MeldGeweigerd(const QString& pad, const QString& fout) { Schrijver::Zelf().Geweigerd(pad, fout); }

void WachtOp(const QString& pad) { Schrijver::Zelf().Wacht(pad); }

bool WachtHoogstens(int ms) { return Schrijver::Zelf().Wacht(QString(), qMax(0, ms)); }

int Wachtend() { return Schrijver::Zelf().Aantal(); }

bool Mislukt(const QString& pad) { return Schrijver::Zelf().Mislukt(pad); }

void MeldFoutenNu() { Schrijver::Zelf().Lever(); }

void BijSchrijfFout(std::function<void(const SchrijfFout&)> melder) {
    Schrijver::Zelf().ZetMelder(std::move(melder));
}

}  // namespace uitslag
