#include "platform/App.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include <memory>

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
    SetQtLanguage(false);
}

namespace {
std::unique_ptr<QTranslator> g_qtTranslator;
QString g_translationsFolder;
}  // namespace

void SetQtTranslationsFolder(const QString& folder) { g_translationsFolder = folder; }

bool SetQtLanguage(bool english) {
    if (!QCoreApplication::instance())
        return false;
    // The old texts go first, so that a language without a file falls back
    // to Qt's English rather than keeping the other language.
    if (g_qtTranslator) {
        QCoreApplication::removeTranslator(g_qtTranslator.get());
        g_qtTranslator.reset();
    }
    const QString folder = g_translationsFolder.isEmpty()
                               ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                               : g_translationsFolder;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(english ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_nl"), folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    g_qtTranslator = std::move(translator);
    return true;
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
