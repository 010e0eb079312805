#include "output/KleurSymbool.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <initializer_list>

namespace {

// Shapes on a unit square (0..1 both ways, y down).

// A closed shape through these corners.
QPainterPath Veelhoek(std::initializer_list<QPointF> hoeken) {
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(hoeken)));
    p.closeSubpath();
    return p;
}

// A closed shape of cubic curves from start: each three points are the two
// control points and the end of one curve.
QPainterPath Bochten(QPointF start, std::initializer_list<QPointF> punten) {
    QPainterPath p;
    p.moveTo(start);
    for (auto k = punten.begin(); k + 2 < punten.end(); k += 3)
        p.cubicTo(k[0], k[1], k[2]);
    p.closeSubpath();
    return p;
}

QPainterPath Hart() {
    return Bochten({0.5, 0.95}, {{0.15, 0.65}, {0.0, 0.45}, {0.05, 0.28},
                                 {0.1, 0.05}, {0.42, 0.02}, {0.5, 0.27},
                                 {0.58, 0.02}, {0.9, 0.05}, {0.95, 0.28},
                                 {1.0, 0.45}, {0.85, 0.65}, {0.5, 0.95}});
}

QPainterPath Ruit() { return Veelhoek({{0.5, 0.03}, {0.88, 0.5}, {0.5, 0.97}, {0.12, 0.5}}); }

QPainterPath Steel() { return Veelhoek({{0.46, 0.6}, {0.54, 0.6}, {0.68, 0.97}, {0.32, 0.97}}); }

QPainterPath Schoppen() {
    return Bochten({0.5, 0.03}, {{0.85, 0.33}, {1.0, 0.45}, {0.95, 0.62},
                                 {0.9, 0.82}, {0.6, 0.82}, {0.5, 0.65},
                                 {0.4, 0.82}, {0.1, 0.82}, {0.05, 0.62},
                                 {0.0, 0.45}, {0.15, 0.33}, {0.5, 0.03}})
        .united(Steel());
}

QPainterPath Klaveren() {
    QPainterPath p;
    p.addEllipse(QPointF(0.5, 0.27), 0.22, 0.22);
    p.addEllipse(QPointF(0.27, 0.58), 0.22, 0.22);
    p.addEllipse(QPointF(0.73, 0.58), 0.22, 0.22);
    p.addRect(QRectF(0.4, 0.35, 0.2, 0.3));
    return p.united(Steel()).simplified();
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

void TekenKleurSymbool(QPainter& painter, const QRectF& vak, int kleur, const QColor& kleurTint) {
    QPainterPath vorm;
    switch (kleur) {
    case 0: vorm = Schoppen(); break;
    case 1: vorm = Hart(); break;
    case 2: vorm = Ruit(); break;
    case 3: vorm = Klaveren(); break;
    default: return;
    }
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
