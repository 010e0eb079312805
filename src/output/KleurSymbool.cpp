#include "output/KleurSymbool.h"

#include <QPainter>
#include <QPainterPath>

#include <initializer_list>

namespace {

// Shapes on a unit square (0..1 both ways, y down). Every outline runs
// clockwise on the page and the shapes fill by the winding rule, so parts
// that overlap (the lobes and stem of the club, the stem of the spade) add
// up to one solid shape. They are not merged with QPainterPath's set
// operations, which would turn the curves into polygons.

// A closed outline through these corners.
void Veelhoek(QPainterPath& p, std::initializer_list<QPointF> hoeken) {
    auto k = hoeken.begin();
    p.moveTo(*k);
    for (++k; k != hoeken.end(); ++k)
        p.lineTo(*k);
    p.closeSubpath();
}

// A closed outline of cubic curves from start: each three points are the
// two control points and the end of one curve.
void Bochten(QPainterPath& p, QPointF start, std::initializer_list<QPointF> punten) {
    p.moveTo(start);
    for (auto k = punten.begin(); k + 2 < punten.end(); k += 3)
        p.cubicTo(k[0], k[1], k[2]);
    p.closeSubpath();
}

// A circle as four cubic curves, clockwise from its rightmost point.
void Cirkel(QPainterPath& p, QPointF m, qreal r) {
    // Control distance that makes a quarter circle of a cubic curve.
    const qreal c = 0.5522847498 * r;
    const qreal x = m.x(), y = m.y();
    p.moveTo(x + r, y);
    p.cubicTo(x + r, y + c, x + c, y + r, x, y + r);
    p.cubicTo(x - c, y + r, x - r, y + c, x - r, y);
    p.cubicTo(x - r, y - c, x - c, y - r, x, y - r);
    p.cubicTo(x + c, y - r, x + r, y - c, x + r, y);
    p.closeSubpath();
}

QPainterPath NieuweVorm() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    return p;
}

// The flared stem under the spade and the club.
void Steel(QPainterPath& p) {
    Bochten(p, {0.47, 0.58}, {{0.5, 0.58}, {0.53, 0.58}, {0.53, 0.58},
                              {0.55, 0.8}, {0.6, 0.93}, {0.7, 0.97},
                              {0.7, 0.97}, {0.3, 0.97}, {0.3, 0.97},
                              {0.4, 0.93}, {0.45, 0.8}, {0.47, 0.58}});
}

QPainterPath Hart() {
    QPainterPath p = NieuweVorm();
    Bochten(p, {0.5, 0.95}, {{0.15, 0.65}, {0.0, 0.45}, {0.05, 0.28},
                             {0.1, 0.05}, {0.42, 0.02}, {0.5, 0.27},
                             {0.58, 0.02}, {0.9, 0.05}, {0.95, 0.28},
                             {1.0, 0.45}, {0.85, 0.65}, {0.5, 0.95}});
    return p;
}

QPainterPath Ruit() {
    QPainterPath p = NieuweVorm();
    Veelhoek(p, {{0.5, 0.03}, {0.88, 0.5}, {0.5, 0.97}, {0.12, 0.5}});
    return p;
}

QPainterPath Schoppen() {
    QPainterPath p = NieuweVorm();
    Bochten(p, {0.5, 0.03}, {{0.85, 0.33}, {1.0, 0.45}, {0.95, 0.62},
                             {0.9, 0.82}, {0.6, 0.82}, {0.5, 0.65},
                             {0.4, 0.82}, {0.1, 0.82}, {0.05, 0.62},
                             {0.0, 0.45}, {0.15, 0.33}, {0.5, 0.03}});
    Steel(p);
    return p;
}

QPainterPath Klaveren() {
    QPainterPath p = NieuweVorm();
    Cirkel(p, {0.5, 0.27}, 0.22);
    Cirkel(p, {0.27, 0.58}, 0.22);
    Cirkel(p, {0.73, 0.58}, 0.22);
    // The heart of the club, where the three lobes and the stem meet.
    Veelhoek(p, {{0.4, 0.35}, {0.6, 0.35}, {0.6, 0.65}, {0.4, 0.65}});
    Steel(p);
    return p;
}

// A vector picture of the given size (twips) that teken paints.
template <class Teken>
QPicture Tekening(const QSizeF& grootte, Teken teken) {
    QPicture tekening;
    {
        QPainter painter(&tekening);
        teken(painter);
    }
    tekening.setBoundingRect(QRect(QPoint(0, 0), grootte.toSize()));
    return tekening;
}

}  // namespace

QPainterPath KleurVorm(int kleur) {
    switch (kleur) {
    case 0: return Schoppen();
    case 1: return Hart();
    case 2: return Ruit();
    case 3: return Klaveren();
    default: return QPainterPath();
    }
}

void TekenKleurSymbool(QPainter& painter, const QRectF& vak, int kleur, const QColor& kleurTint) {
    const QPainterPath vorm = KleurVorm(kleur);
    if (vorm.isEmpty())
        return;
    const qreal zijde = qMin(vak.width(), vak.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(vak.center().x() - zijde / 2, vak.center().y() - zijde / 2);
    painter.scale(zijde, zijde);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kleurTint);
    painter.drawPath(vorm);
    painter.restore();
}

QPicture KleurTekening(const QSizeF& grootte, const QRectF& vak, int kleur, const QColor& kleurTint) {
    return Tekening(grootte, [&](QPainter& painter) {
        TekenKleurSymbool(painter, vak, kleur, kleurTint);
    });
}

QPicture KaderTekening(const QSizeF& grootte) {
    return Tekening(grootte, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 15));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(QPointF(15, 15), grootte - QSizeF(30, 30)), 60, 60);
    });
}
