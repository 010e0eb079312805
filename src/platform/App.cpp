#include "platform/App.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace platform {

namespace {
QString g_title = QStringLiteral("Velmora Drovik");
}

void SetupApplication(QApplication& app) {
    static bool done = false;
    if (done) return;
    done = true;
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QFont font(DefaultFontName());
    font.setPointSizeF(DefaultFontSize());
    QApplication::setFont(font);
    // Windows are thrown away by Unload, not by closing the last one.
    app.setQuitOnLastWindowClosed(false);
}

namespace {
bool g_quitWhenAllUnloaded = false;
}

int RunEventLoop() {
    g_quitWhenAllUnloaded = true;
    return QApplication::exec();
}

bool QuitWhenAllUnloaded() { return g_quitWhenAllUnloaded; }

QString DefaultFontName() { return QStringLiteral("DejaVu Sans"); }
double DefaultFontSize() { return 8.0; }

QString ProgramTitle() { return g_title; }
void SetProgramTitle(const QString& title) { g_title = title; }

}  // namespace platform
