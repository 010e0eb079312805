#include "output/KlembordEditor.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace klembord {

namespace {

// Graphical plain-text editors of the common desktops.
const char* const BekendeEditors[] = {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad",
                                      "xed", "pluma", "featherpad", "leafpad", "geany"};

QString Zoek(const QString& naam, const QStringList& mappen) {
    if (naam.contains(QLatin1Char('/'))) {
        const QFileInfo info(naam);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    if (mappen.isEmpty()) return QString();
    return QStandardPaths::findExecutable(naam, mappen);
}

bool StartLos(const EditorOpdracht& opdracht) {
    QProcess proces;
    proces.setProgram(opdracht.programma);
    proces.setArguments(opdracht.argumenten);
    proces.setStandardInputFile(QProcess::nullDevice());
    proces.setStandardOutputFile(QProcess::nullDevice());
    proces.setStandardErrorFile(QProcess::nullDevice());
    return proces.startDetached();
}

}  // namespace

QList<EditorOpdracht> EditorKandidaten(const QString& visual, const QString& pad) {
    const QStringList mappen = pad.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    QList<EditorOpdracht> kandidaten;
    const QStringList woorden = QProcess::splitCommand(visual);
    if (!woorden.isEmpty()) {
        const QString programma = Zoek(woorden.first(), mappen);
        if (!programma.isEmpty()) kandidaten.append({programma, woorden.mid(1)});
    }
    for (const char* naam : BekendeEditors) {
        const QString programma = Zoek(QString::fromLatin1(naam), mappen);
        if (programma.isEmpty()) continue;
        bool al = false;
        for (const EditorOpdracht& k : kandidaten) al = al || k.programma == programma;
        if (!al) kandidaten.append({programma, {}});
    }
    return kandidaten;
}

bool StartTekstEditor(const QList<EditorOpdracht>& kandidaten,
                      const std::function<bool(const EditorOpdracht&)>& starter) {
    for (const EditorOpdracht& k : kandidaten)
        if (starter ? starter(k) : StartLos(k)) return true;
    return false;
}

bool StartTekstEditor() {
    return StartTekstEditor(EditorKandidaten(qEnvironmentVariable("VISUAL"),
                                             qEnvironmentVariable("PATH")));
}

}  // namespace klembord
