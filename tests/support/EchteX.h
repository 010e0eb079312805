#pragma once
// A real X server for tests that need real keys and a real window manager:
// Xvfb on a free display (it picks the number itself) with openbox on it,
// and keys typed through the XTest extension by xdotool, as a person types
// them. Every process it starts is stopped by its own id when the object
// goes, also when the test failed half-way.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace testsupport {

class EchteX {
public:
    EchteX() = default;
    ~EchteX();
    EchteX(const EchteX&) = delete;
    EchteX& operator=(const EchteX&) = delete;

    // The tools that are missing on this machine (empty: all there).
    static QStringList OntbrekendeProgrammas();

    // Starts the server and the window manager; false with the reason.
    bool Start(QString* fout);
    QString Display() const { return display_; }

    // The environment a child needs to open its windows on this server.
    QProcessEnvironment Omgeving() const;

    // Types `tekst` (letters, digits, "+-!=", blanks and newlines for
    // Enter) into the window that has the keyboard, `msPerToets`
    // milliseconds from one key to the next. Returns once every key has
    // been sent.
    bool Typ(const QString& tekst, int msPerToets);
    // Presses one key by its X name ("Return", "y", "Escape").
    bool Toets(const QString& naam);

private:
    bool xdotool(const QStringList& args);
    QProcess* begin(const QString& programma, const QStringList& args, QProcess::ProcessChannelMode kanalen);

    std::vector<std::unique_ptr<QProcess>> processen_;
    QString display_;
};

}  // namespace testsupport
