#include "shared/Scherm.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QStyle>
#include <cmath>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Paths.h"
#include "platform/Screen.h"
#include "shared/Globals.h"
#include "shared/Ini.h"

using namespace platform;

namespace {

struct Positie {
    bool bewaard = false;  // false for the controls that are passed over
    float links = 0, boven = 0, breedte = 0, hoogte = 0, letter = 0;
    // A grid's column widths at font size kolomLetter, and the widths the
    // scaling set last: scaled from the former, widths do not drift with
    // rounding however often the window is resized.
    std::vector<int> kolomBasis, kolomGezet;
    double kolomLetter = 0;
};

struct Posities {
    quint64 venster = 0;  // the window instance that stored them
    std::vector<Positie> regels;  // one per control, in collection order
    float ontwerpBreedte = 0, ontwerpHoogte = 0;
};

QHash<QString, Posities>& opslag() {
    static QHash<QString, Posities> store;
    return store;
}

bool overslaanBijBewaren(const QString& naam) {
    const QString klein = naam.toLower();
    return klein == "hoofdmenu" || klein == "submenu0" || naam.startsWith("tim") || naam == "dialBestand";
}

bool overslaanBijSchalen(const QString& naam) {
    return naam.startsWith("tim") || naam == "lblSpelnummer" || naam == "hMenu" || naam == "lblDeKlok";
}

// The caption a control shows on one line, and the pixels its widget takes
// beside the text (a check box's box, a button's edges); false for controls
// without such a caption.
bool OpschriftVan(Control* c, QString& tekst, double& rand) {
    QStyle* stijl = QApplication::style();
    if (auto* l = dynamic_cast<Label*>(c)) {
        if (l->WordWrap()) return false;
        tekst = l->Caption();
        rand = l->BorderStyle() ? 2 : 0;
    } else if (auto* k = dynamic_cast<CommandButton*>(c)) {
        tekst = k->Caption();
        rand = 8;
    } else if (dynamic_cast<CheckBox*>(c) || dynamic_cast<OptionButton*>(c)) {
        tekst = dynamic_cast<CheckBox*>(c) ? static_cast<CheckBox*>(c)->Caption()
                                            : static_cast<OptionButton*>(c)->Caption();
        rand = stijl ? stijl->pixelMetric(QStyle::PM_IndicatorWidth) +
                           stijl->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 1
                     : 20;
    } else if (auto* f = dynamic_cast<Frame*>(c)) {
        if (!f->BorderStyle()) return false;
        tekst = f->Caption();
        rand = 16;
    } else {
        return false;
    }
    tekst = StripAccessKeys(tekst);
    return !tekst.isEmpty() && !tekst.contains(QLatin1Char('\n'));
}

// The largest font size, at most `grootte`, at which the control's caption
// fits its width: a window made narrower than it is tall must not cut its
// captions off. Steps of a quarter point, down to one point.
float PassendeGrootte(Control* c, float grootte) {
    QString tekst;
    double rand = 0;
    if (!QApplication::instance() || !OpschriftVan(c, tekst, rand)) return grootte;
    // Measured as the controls measure themselves (whole pixels), so that a
    // label sized to its text fits at the designed size.
    const double ruimte = c->Width() / double(TwipsPerPixel) - rand + 0.5;
    QFont letter = c->Font();
    for (;;) {
        letter.setPointSizeF(UsableFontSize(grootte));
        if (grootte <= 1.0f || QFontMetrics(letter).horizontalAdvance(tekst) <= ruimte) return grootte;
        grootte = std::max(1.0f, std::floor(grootte * 4.0f - 1.0f) / 4.0f);
    }
}

}  // namespace

QString SchermIniBestand() { return programPath("scherm.ini"); }
QString SorteerIniBestand() { return programPath("Sorteer.ini"); }

void VergeetPosities() { opslag().clear(); }

void BewaarPosities(Form& frm) {
    Posities p;
    const auto& controls = frm.Controls();
    p.regels.resize(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Control* c = controls[i];
        if (overslaanBijBewaren(c->Name())) continue;
        Positie& r = p.regels[i];
        r.bewaard = true;
        if (auto* lijn = dynamic_cast<Line*>(c)) {
            r.links = float(lijn->X1());
            r.boven = float(lijn->Y1());
            r.breedte = float(lijn->X2() - lijn->X1());
            r.hoogte = float(lijn->Y2() - lijn->Y1());
            continue;
        }
        r.links = float(c->Left());
        r.boven = float(c->Top());
        r.breedte = float(c->Width());
        r.hoogte = float(c->Height());
        r.letter = c->HasFont() ? float(c->FontSize()) : 0.0f;
    }
    p.venster = frm.InstanceId();
    p.ontwerpBreedte = float(frm.ScaleWidth());
    p.ontwerpHoogte = float(frm.ScaleHeight());
    opslag().insert(frm.Name(), p);
}

namespace {
// The geometry this very instance of the window stored; nullptr before it
// stored any. A window opened again in the same run starts without one:
// what an earlier instance stored (another size, other controls) is not
// its design.
Posities* EigenPosities(const Form& frm) {
    const auto it = opslag().find(frm.Name());
    if (it == opslag().end() || it->venster != frm.InstanceId()) return nullptr;
    return &*it;
}

std::vector<int> KolomBreedtes(const Grid& g) {
    std::vector<int> b(std::size_t(std::max(0, g.Cols())));
    for (int k = 0; k < g.Cols(); ++k) b[std::size_t(k)] = g.ColWidth(k);
    return b;
}

// A grid's columns grow and shrink with its text, so that a larger window
// shows whole cell texts, not cut ones. Widths set since the last scaling
// (columns fitted to new contents) are the new basis.
void SchaalKolommen(Grid& g, Positie& r, double grootte) {
    const std::vector<int> nu = KolomBreedtes(g);
    if (nu != r.kolomGezet || r.kolomLetter <= 0) {
        r.kolomBasis = nu;
        r.kolomLetter = g.FontSize();
    }
    if (r.kolomLetter <= 0) return;
    const double factor = grootte / r.kolomLetter;
    for (int k = 0; k < g.Cols(); ++k) g.SetColWidth(k, WholeTwips(r.kolomBasis[std::size_t(k)] * factor));
    r.kolomGezet = KolomBreedtes(g);
}

// The smallest outer size kept for a window: a quarter of its design size
// (a size in which its controls can still be read), and 40 pixels each way
// before it stored a design.
bool BruikbareGrootte(const Form& frm, double breedte, double hoogte) {
    double minBreedte = 40 * TwipsPerPixel, minHoogte = 40 * TwipsPerPixel;
    if (const Posities* p = EigenPosities(frm)) {
        minBreedte = std::max(minBreedte, (p->ontwerpBreedte + (frm.Width() - frm.ScaleWidth())) / 4.0);
        minHoogte = std::max(minHoogte, (p->ontwerpHoogte + (frm.Height() - frm.ScaleHeight())) / 4.0);
    }
    return breedte >= minBreedte && hoogte >= minHoogte && breedte <= 4.0 * Screen().Width() &&
           hoogte <= 4.0 * Screen().Height();
}
}  // namespace

void SchaalScherm(Form& frm) {
    if (BezigMetLaden || frm.WindowState() == vbMinimized) return;
    Posities* eigen = EigenPosities(frm);
    if (!eigen) return;
    Posities& p = *eigen;
    if (p.ontwerpBreedte <= 0 || p.ontwerpHoogte <= 0) return;
    const float fx = float(frm.ScaleWidth()) / p.ontwerpBreedte;
    const float fy = float(frm.ScaleHeight()) / p.ontwerpHoogte;
    const auto& controls = frm.Controls();
    // Controls made after the geometry was stored have no entry and keep their place.
    const std::size_t n = std::min(controls.size(), p.regels.size());
    for (std::size_t i = 0; i < n; ++i) {
        Control* c = controls[i];
        Positie& r = p.regels[i];
        if (!r.bewaard || overslaanBijSchalen(c->Name())) continue;
        if (auto* lijn = dynamic_cast<Line*>(c)) {
            const float x1 = fx * r.links, y1 = fy * r.boven;
            lijn->SetX1(x1);
            lijn->SetY1(y1);
            lijn->SetX2(fx * r.breedte + x1);
            lijn->SetY2(fy * r.hoogte + y1);
            continue;
        }
        const bool combo = dynamic_cast<ComboBox*>(c) != nullptr;
        c->Move(fx * r.links, fy * r.boven, fx * r.breedte, combo ? float(c->Height()) : fy * r.hoogte);
        if (c->HasFont() && r.letter > 0) {
            // The text follows the smaller of the two factors, so that it
            // keeps fitting the control it grows or shrinks with.
            float grootte = std::min(fx, fy) * r.letter;
            if (grootte >= 11.5f) grootte = 11.5f;
            grootte = PassendeGrootte(c, grootte);
            if (auto* g = dynamic_cast<Grid*>(c)) SchaalKolommen(*g, r, grootte);
            c->SetFontSize(grootte);
        }
    }
}

void BewaarSchermGrootte(Form& frm) {
    // A size too small to use is not kept: the next opening starts at the design size.
    if (!BruikbareGrootte(frm, frm.Width(), frm.Height())) return;
    SchrijfIni(frm.Name(), "State", QString("%1,%2").arg(frm.Width()).arg(frm.Height()), SchermIniBestand());
}

void HerstelScherm(Form& frm) {
    LeesIni("Beeldscherm", "ToonScherm", IniBestand);
    if (Val(IniWaarde) != 0) {
        LeesIni(frm.Name(), "State", SchermIniBestand());
        if (IniWaarde.contains(',')) {
            Velden = IniWaarde.split(',');
            const double breedte = Val(Velden.value(0)), hoogte = Val(Velden.value(1));
            // A size no window can have, or one too small to show its
            // controls (hand-edited or damaged file), is passed over whole:
            // the window keeps its design size.
            if (BruikbareGrootte(frm, breedte, hoogte)) frm.Move(frm.Left(), frm.Top(), breedte, hoogte);
        }
    }
    LeesIni("Beeldscherm", "Center Beeldscherm", IniBestand);
    if (Val(IniWaarde) != 0)
        frm.Move((Screen().Width() - frm.Width()) / 2, (Screen().Height() - frm.Height()) / 2);
}

void ZetFocus(Form& frm, Control& ctl) {
    if (!frm.IsLoaded() || !frm.Visible() || !frm.Enabled()) return;
    if (!ctl.Visible() || !ctl.Enabled()) return;
    for (Container* c = ctl.ContainerOf(); c && c != &frm;) {
        auto* houder = dynamic_cast<Control*>(c);
        if (!houder) break;
        if (!houder->Visible() || !houder->Enabled()) return;
        c = houder->ContainerOf();
    }
    ctl.SetFocus();
}

namespace {
QString sorteerSleutel(Form& frm, CheckBox& chk, const QString& extra) {
    return frm.Name() + "." + chk.Name() + extra;
}
}  // namespace

void LeesSorteer(Form& frm, CheckBox& chk, const QString& extra) {
    LeesIni("Sorteer", sorteerSleutel(frm, chk, extra), SorteerIniBestand());
    chk.SetValue(ValInteger(IniWaarde));
}

void BewaarSorteer(Form& frm, CheckBox& chk, const QString& extra) {
    SchrijfIni("Sorteer", sorteerSleutel(frm, chk, extra), QString::number(chk.Value()), SorteerIniBestand());
}
