#pragma once
// Starting the desktop's plain-text editor from the clipboard window, so the
// user can paste the copied deals into it.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace klembord {

struct EditorOpdracht {
    QString programma;       // full path of the executable
    QStringList argumenten;
};

// The editors to try, in order: the command in `visual` (the VISUAL
// environment variable, arguments allowed) when its program can be found,
// then the usual graphical text editors found on `pad` (a PATH value).
QList<EditorOpdracht> EditorKandidaten(const QString& visual, const QString& pad);

// Starts the first editor that can be started, detached and without waiting
// for it. False when none could be started. `starter` replaces the real start
// in tests.
bool StartTekstEditor(const QList<EditorOpdracht>& kandidaten,
                      const std::function<bool(const EditorOpdracht&)>& starter = {});

// EditorKandidaten from the environment of this process, then StartTekstEditor.
bool StartTekstEditor();

}  // namespace klembord
