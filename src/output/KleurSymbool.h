#pragma once
// The suit symbols of the print layouts, drawn as vector shapes so that they
// stay sharp at any scale on paper.

#include <QColor>
#include <QPicture>
#include <QRectF>

class QPainter;
class QPainterPath;

// The outline of suit kleur (0 spades, 1 hearts, 2 diamonds, 3 clubs) on a
// unit square (0..1 both ways, y down), curves kept as curves, filled by the
// winding rule so that overlapping parts form one solid shape. Empty for any
// other number.
QPainterPath KleurVorm(int kleur);

// Draws the symbol of suit kleur (0 spades, 1 hearts, 2 diamonds, 3 clubs)
// filled in kleurTint, centred in vak and as large as fits.
void TekenKleurSymbool(QPainter& painter, const QRectF& vak, int kleur, const QColor& kleurTint);

// The symbol as a vector picture whose coordinates are twips: vak is the
// place of the symbol inside a picture of the given size.
QPicture KleurTekening(const QSizeF& grootte, const QRectF& vak, int kleur, const QColor& kleurTint);
// A light grey rounded frame filling a picture of the given size (twips).
QPicture KaderTekening(const QSizeF& grootte);
