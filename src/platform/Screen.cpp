#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {
QSize screenPixels() {
    if (!QGuiApplication::instance() || QGuiApplication::platformName() == "offscreen" ||
        !QGuiApplication::primaryScreen())
        return QSize(1920, 1080);
    return QGuiApplication::primaryScreen()->geometry().size();
}
}  // namespace

int ScreenInfo::Width() const { return TwipsFromPixels(screenPixels().width()); }
int ScreenInfo::Height() const { return TwipsFromPixels(screenPixels().height()); }

ScreenInfo& Screen() {
    static ScreenInfo screen;
    return screen;
}

double UsableFontSize(double points) { return points < 1.0 ? 1.0 : points; }

}  // namespace platform
