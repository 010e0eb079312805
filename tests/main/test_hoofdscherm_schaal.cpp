// The main window resized by the user, small and large, narrow and wide, in
// Dutch and English: every caption keeps its whole text in its control, no
// caption runs under another control, and no control is cut off by the
// window's edge.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QtTest>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Control.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Paths.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/TestSupport.h"

using namespace platform;

namespace {

// The width a widget's text needs, and the width it has for it.
struct Ruimte {
    QString tekst;
    int nodig = 0, heeft = 0;
};

bool Tekstruimte(QWidget* w, Ruimte& r) {
    const QFontMetrics fm(w->font());
    auto tekstVan = [](QString s) { return s.remove(QRegularExpression("&(?!&)")); };
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty() || l->wordWrap()) return false;
        r = {l->text(), fm.horizontalAdvance(l->text()), l->contentsRect().width()};
        return true;
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        auto* b = static_cast<QAbstractButton*>(w);
        if (b->text().isEmpty()) return false;
        const int vak = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                        w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        r = {b->text(), fm.horizontalAdvance(tekstVan(b->text())) + vak, w->width()};
        return true;
    }
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        if (b->text().isEmpty()) return false;
        r = {b->text(), fm.horizontalAdvance(tekstVan(b->text())) + 4, w->width()};
        return true;
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        if (g->title().isEmpty()) return false;
        r = {g->title(), fm.horizontalAdvance(g->title()), w->width()};
        return true;
    }
    return false;
}

// Everything wrong with the window as it is now shown, one line each.
QStringList Gebreken(Form& f) {
    QStringList gebreken;
    QWidget* venster = f.widget();
    const QRect binnen = venster->rect();
    std::vector<Control*> zichtbaar;
    for (Control* c : f.Controls()) {
        QWidget* w = c->existingWidget();
        if (!w || !w->isVisibleTo(venster)) continue;
        zichtbaar.push_back(c);
        Ruimte r;
        if (Tekstruimte(w, r) && r.nodig > r.heeft)
            gebreken << QString("%1 \"%2\" needs %3 px, has %4").arg(c->Name(), r.tekst).arg(r.nodig).arg(r.heeft);
        const QRect plek(w->mapTo(venster, QPoint(0, 0)), w->size());
        if (plek.intersects(binnen) && !binnen.contains(plek))
            gebreken << QString("%1 cut off by the window's edge: %2,%3 %4x%5 in %6x%7")
                            .arg(c->Name()).arg(plek.x()).arg(plek.y()).arg(plek.width()).arg(plek.height())
                            .arg(binnen.width()).arg(binnen.height());
    }
    // A caption must not run under a control beside it (one pixel of
    // rounding between neighbours is no overlap).
    for (Control* a : zichtbaar) {
        QWidget* wa = a->existingWidget();
        Ruimte r;
        if (!Tekstruimte(wa, r) || qobject_cast<QGroupBox*>(wa)) continue;
        for (Control* b : zichtbaar) {
            QWidget* wb = b->existingWidget();
            Ruimte rb;
            const bool leegLabel = qobject_cast<QLabel*>(wb) && !Tekstruimte(wb, rb);
            if (a == b || leegLabel || wb->parentWidget() != wa->parentWidget()) continue;
            const QRect samen = wa->geometry().intersected(wb->geometry());
            if (samen.width() > 1 && samen.height() > 1)
                gebreken << QString("%1 overlaps %2").arg(a->Name(), b->Name());
        }
    }
    return gebreken;
}

}  // namespace

class TestHoofdschermSchaal : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void cleanup() {
        if (frmVeldom01_IsLoaded()) Unload(frmVeldom01());
        DoEvents();
    }

    void captionsFitAtEverySize_data() {
        QTest::addColumn<int>("taal");
        for (int taal : {10, 11}) QTest::addRow("%d", taal) << taal;
    }
    void captionsFitAtEverySize() {
        QFETCH(int, taal);
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        SchrijfIni("Taal", "nummer", QString::number(taal), programPath("taal.ini"));
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        DoEvents();
        QStringList gebreken;
        const QSize ontwerp = f.widget()->size();
        const QList<QSize> maten{ontwerp,          {560, 380}, {380, 260}, {1260, 1000},
                                 {600, 900},       {1260, 420}, {1800, 1200}, ontwerp};
        for (const QSize& maat : maten) {
            f.widget()->resize(maat);
            DoEvents();
            QCOMPARE(f.widget()->size(), maat);
            for (const QString& g : Gebreken(f))
                gebreken << QString("%1x%2: %3").arg(maat.width()).arg(maat.height()).arg(g);
        }
        for (const QString& g : gebreken) qWarning("%s", qPrintable(g));
        QVERIFY(gebreken.isEmpty());
    }
};

QTEST_MAIN(TestHoofdschermSchaal)
#include "test_hoofdscherm_schaal.moc"
