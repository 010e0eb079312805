#include "platform/App.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>

#include <memory>

namespace platform {

namespace {
QString g_title = QStringLiteral("Velmora Drovik");

// Fusion, with the focus always shown. Fusion draws the focus of buttons,
// check boxes and option buttons only after a key moved it, and not at all
// on scroll bars (the spinners), on the frame of a list (an empty list has
// no item to show it) or on a group box that takes the focus. Every
// control that has the focus is drawn with it here, however it got there.
class FocusStyle : public QProxyStyle {
public:
    FocusStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p, const QWidget* w) const override {
        QProxyStyle::drawPrimitive(pe, withFocusShown(opt), p, w);
        if (pe == PE_Frame && hasFocus(opt)) drawRing(opt, p);
    }
    void drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p, const QWidget* w) const override {
        QProxyStyle::drawControl(ce, withFocusShown(opt), p, w);
    }
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override {
        QProxyStyle::drawComplexControl(cc, static_cast<const QStyleOptionComplex*>(withFocusShown(opt)), p, w);
        if ((cc == CC_ScrollBar || cc == CC_GroupBox) && hasFocus(opt)) drawRing(opt, p);
    }

private:
    static bool hasFocus(const QStyleOption* opt) { return opt && (opt->state & State_HasFocus); }
    // The option as Fusion reads it when a key moved the focus.
    static const QStyleOption* withFocusShown(const QStyleOption* opt) {
        if (hasFocus(opt)) const_cast<QStyleOption*>(opt)->state |= State_KeyboardFocusChange;
        return opt;
    }
    // A ring in the highlight colour just inside the control's edge.
    static void drawRing(const QStyleOption* opt, QPainter* p) {
        p->save();
        QPen pen(opt->palette.color(QPalette::Active, QPalette::Highlight));
        pen.setWidth(2);
        pen.setJoinStyle(Qt::MiterJoin);
        p->setPen(pen);
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRectF(opt->rect).adjusted(1, 1, -1, -1));
        p->restore();
    }
};
}  // namespace

void SetupApplication(QApplication& app) {
    static bool done = false;
    if (done) return;
    done = true;
    QApplication::setStyle(new FocusStyle);
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
