#include "support/EchteX.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

namespace testsupport {

namespace {
const QStringList kProgrammas = {"Xvfb", "openbox", "xdotool", "xprop"};
}

EchteX::~EchteX() {
    // The window manager and the children first, the server last.
    for (auto it = processen_.rbegin(); it != processen_.rend(); ++it) {
        QProcess& p = **it;
        if (p.state() == QProcess::NotRunning) continue;
        p.terminate();
        if (!p.waitForFinished(3000)) {
            p.kill();
            p.waitForFinished(3000);
        }
    }
}

QStringList EchteX::OntbrekendeProgrammas() {
    QStringList weg;
    for (const QString& p : kProgrammas)
        if (QStandardPaths::findExecutable(p).isEmpty()) weg << p;
    return weg;
}

QProcess* EchteX::begin(const QString& programma, const QStringList& args, QProcess::ProcessChannelMode kanalen) {
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(kanalen);
    if (!display_.isEmpty()) p->setProcessEnvironment(Omgeving());
    p->start(programma, args);
    processen_.push_back(std::move(p));
    return processen_.back().get();
}

bool EchteX::Start(QString* fout) {
    // Xvfb writes the number of the display it found free to the given
    // descriptor once it accepts connections.
    QProcess* x = begin("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
                        QProcess::SeparateChannels);
    QElapsedTimer klok;
    klok.start();
    QByteArray uit;
    while (!uit.contains('\n') && klok.elapsed() < 15000 && x->state() != QProcess::NotRunning) {
        x->waitForReadyRead(200);
        uit += x->readAllStandardOutput();
    }
    bool ok = false;
    const int nummer = uit.trimmed().toInt(&ok);
    if (!ok) {
        *fout = "Xvfb gave no display: " + QString::fromLocal8Bit(uit + x->readAllStandardError());
        return false;
    }
    display_ = QStringLiteral(":%1").arg(nummer);
    QProcess* wm = begin("openbox", {"--sm-disable"}, QProcess::MergedChannels);
    // The window manager is there once it has named itself on the root window.
    while (klok.elapsed() < 15000 && wm->state() != QProcess::NotRunning) {
        QProcess prop;
        prop.setProcessEnvironment(Omgeving());
        prop.start("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
        prop.waitForFinished(5000);
        if (prop.readAllStandardOutput().contains("window id")) return true;
        QThread::msleep(50);
    }
    *fout = "openbox did not start: " + QString::fromLocal8Bit(wm->readAll());
    return false;
}

QProcessEnvironment EchteX::Omgeving() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.remove("WAYLAND_DISPLAY");
    return env;
}

bool EchteX::xdotool(const QStringList& args) {
    QProcess p;
    p.setProcessEnvironment(Omgeving());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("xdotool", args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(3000);
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool EchteX::Typ(const QString& tekst, int msPerToets) {
    // Every character by the name of its key, so that a newline is Enter.
    QStringList args = {"key", "--delay", QString::number(msPerToets)};
    for (QChar c : tekst) {
        switch (c.unicode()) {
        case '\n': args << "Return"; break;
        case '+': args << "plus"; break;
        case '-': args << "minus"; break;
        case '!': args << "exclam"; break;
        case '=': args << "equal"; break;
        case ' ': args << "space"; break;
        default: args << QString(c); break;
        }
    }
    return xdotool(args);
}

bool EchteX::Toets(const QString& naam) { return xdotool({"key", "--", naam}); }

}  // namespace testsupport
