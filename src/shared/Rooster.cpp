#include "shared/Rooster.h"

#include <algorithm>

#include "platform/Grid.h"

using namespace platform;

void PasKolomBreedteAan(Grid& grid) {
    grid.SetVisible(false);
    for (int c = 0; c < grid.Cols(); ++c) PasKolomBreedteAan(grid, c);
}

void PasKolomBreedteAan(Grid& grid, int kolom) {
    if (kolom < 0 || kolom >= grid.Cols()) return;
    grid.SetCol(kolom);
    int breedte = 0;
    for (int r = 0; r < grid.Rows(); ++r) {
        grid.SetRow(r);
        breedte = std::max(breedte, grid.TextWidthTwips(grid.Text() + QLatin1Char('W')));
    }
    grid.SetColWidth(kolom, breedte);
}

void NummerRijen(Grid& grid) {
    grid.SetVisible(false);
    grid.SetCol(0);
    for (int r = 1; r < grid.Rows(); ++r) {
        grid.SetRow(r);
        grid.SetText(QString::number(r));
        grid.SetCellAlignment(flexAlignCenterCenter);
    }
}
