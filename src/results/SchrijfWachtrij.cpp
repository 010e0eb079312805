#include "results/SchrijfWachtrij.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Events.h"

namespace uitslag {

namespace {

struct Taak {
    QString pad;
    QByteArray data;
};

// True when the file holds exactly `data` already.
bool AlGeschreven(const QString& pad, const QByteArray& data) {
    const QFileInfo info(pad);
    if (!info.isFile() || info.size() != data.size()) return false;
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) && f.readAll() == data;
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
    void Voeg(const QString& pad, const QByteArray& data) {
        for (Taak& t : verzameld_) {
            if (t.pad == pad) {
                t.data = data;
                return;
            }
        }
        verzameld_.push_back({pad, data});
        if (!overdrachtGepland_) {
            overdrachtGepland_ = true;
            platform::RunWhenIdle([this] {
                overdrachtGepland_ = false;
                DraagOver();
            });
        }
    }

    // User-interface thread only.
    void Wacht(const QString& pad) {
        DraagOver();
        std::unique_lock<std::mutex> slot(mutex_);
        gedaan_.wait(slot, [&] { return !Bezig(pad); });
    }

    void ZetMelder(std::function<void(const QString&, const QString&)> m) {
        std::lock_guard<std::mutex> slot(mutex_);
        melder_ = std::move(m);
    }

private:
    void DraagOver() {
        if (verzameld_.empty()) return;
        std::lock_guard<std::mutex> slot(mutex_);
        for (Taak& t : verzameld_) rij_.push_back(std::move(t));
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
            huidig_ = t.pad;
            slot.unlock();
            QString fout;
            const bool gelukt = AlGeschreven(t.pad, t.data) || platform::writeFileAtomic(t.pad, t.data, &fout);
            slot.lock();
            huidig_.clear();
            if (!gelukt) Meld(t.pad, fout);
            gedaan_.notify_all();
        }
    }

    // Under the lock, on the writer thread: the report goes to the
    // user-interface thread, where it is made once no handler runs.
    void Meld(const QString& pad, const QString& fout) {
        auto melder = melder_;
        QCoreApplication* app = QCoreApplication::instance();
        if (!melder || !app) {
            qWarning("%s: %s", qPrintable(pad), qPrintable(fout));
            return;
        }
        QMetaObject::invokeMethod(
            app, [melder, pad, fout] { platform::RunWhenIdle([melder, pad, fout] { melder(pad, fout); }); },
            Qt::QueuedConnection);
    }

    // User-interface thread.
    std::vector<Taak> verzameld_;
    bool overdrachtGepland_ = false;

    // Shared with the writer thread, under mutex_.
    std::mutex mutex_;
    std::condition_variable werk_;
    std::condition_variable gedaan_;
    std::deque<Taak> rij_;
    QString huidig_;  // the file being written
    bool stop_ = false;
    std::function<void(const QString&, const QString&)> melder_;
    std::thread draad_;
};

}  // namespace

bool SchrijfLater(const QString& pad, const QByteArray& data, QString* fout) {
    // What the write would refuse, refused now, while the caller can still
    // keep its state as it was.
    auto weiger = [&](const QString& waarom) {
        if (fout) *fout = QStringLiteral("%1: %2").arg(pad, waarom);
        return false;
    };
    const QFileInfo info(pad);
    const QFileInfo map(info.absolutePath());
    if (!map.isDir()) return weiger(QStringLiteral("the folder does not exist"));
    if (::access(QFile::encodeName(map.absoluteFilePath()).constData(), W_OK) != 0)
        return weiger(QStringLiteral("the folder cannot be written"));
    if (const QString waarom = platform::replaceRefusal(pad); !waarom.isEmpty()) return weiger(waarom);
    Schrijver::Zelf().Voeg(pad, data);
    return true;
}

void WachtOp(const QString& pad) { Schrijver::Zelf().Wacht(pad); }

void BijSchrijfFout(std::function<void(const QString& pad, const QString& fout)> melder) {
    Schrijver::Zelf().ZetMelder(std::move(melder));
}

}  // namespace uitslag
