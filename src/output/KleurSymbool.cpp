#include "output/KleurSymbool.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Shapes on a unit square (0..1 both ways, y down).
QPainterPath Hart() {
    QPainterPath p;
    p.moveTo(0.5, 0.95);
    p.cubicTo(0.15, 0.65, 0.0, 0.45, 0.05, 0.28);
    p.cubicTo(0.1, 0.05, 0.42, 0.02, 0.5, 0.27);
    p.cubicTo(0.58, 0.02, 0.9, 0.05, 0.95, 0.28);
    p.cubicTo(1.0, 0.45, 0.85, 0.65, 0.5, 0.95);
    p.closeSubpath();
    return p;
}

QPainterPath Ruit() {
    QPainterPath p;
    p.moveTo(0.5, 0.03);
    p.lineTo(0.88, 0.5);
    p.lineTo(0.5, 0.97);
    p.lineTo(0.12, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath Steel() {
    QPainterPath p;
    p.moveTo(0.46, 0.6);
    p.lineTo(0.54, 0.6);
    p.lineTo(0.68, 0.97);
    p.lineTo(0.32, 0.97);
    p.closeSubpath();
    return p;
}

QPainterPath Schoppen() {
    QPainterPath p;
    p.moveTo(0.5, 0.03);
    p.cubicTo(0.85, 0.33, 1.0, 0.45, 0.95, 0.62);
    p.cubicTo(0.9, 0.82, 0.6, 0.82, 0.5, 0.65);
    p.cubicTo(0.4, 0.82, 0.1, 0.82, 0.05, 0.62);
    p.cubicTo(0.0, 0.45, 0.15, 0.33, 0.5, 0.03);
    p.closeSubpath();
    return p.united(Steel());
}

QPainterPath Klaveren() {
    QPainterPath p;
    p.addEllipse(QPointF(0.5, 0.27), 0.22, 0.22);
    p.addEllipse(QPointF(0.27, 0.58), 0.22, 0.22);
    p.addEllipse(QPointF(0.73, 0.58), 0.22, 0.22);
    p.addRect(QRectF(0.4, 0.35, 0.2, 0.3));
    return p.united(Steel()).simplified();
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
    QPicture tekening;
    {
        QPainter painter(&tekening);
        TekenKleurSymbool(painter, vak, kleur, kleurTint);
    }
    tekening.setBoundingRect(QRect(QPoint(0, 0), grootte.toSize()));
    return tekening;
}

QPicture KaderTekening(const QSizeF& grootte) {
    QPicture tekening;
    {
        QPainter painter(&tekening);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 15));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(QPointF(15, 15), grootte - QSizeF(30, 30)), 60, 60);
    }
    tekening.setBoundingRect(QRect(QPoint(0, 0), grootte.toSize()));
    return tekening;
}
