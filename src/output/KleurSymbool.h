#pragma once
// The suit symbols of the print layouts, drawn as vector shapes so that they
// stay sharp at any scale on paper.

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPainter;

// Draws the symbol of suit kleur (0 spades, 1 hearts, 2 diamonds, 3 clubs)
// filled in kleurTint, centred in vak and as large as fits.
void TekenKleurSymbool(QPainter& painter, const QRectF& vak, int kleur, const QColor& kleurTint);

// A small widget showing one suit symbol on a white ground: hearts and
// diamonds in rood, spades and clubs black.
class KleurSymbool : public QWidget {
public:
    KleurSymbool(int kleur, QColor rood, QWidget* parent = nullptr);
    int Kleur() const { return kleur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int kleur_;
    QColor tint_;
};
