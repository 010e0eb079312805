#pragma once
// Procedures shared by the windows that show a grid.

namespace platform {
class Grid;
}

// Hides the grid and gives every column the width of its widest text (the
// header rows included), each measured with one "W" added, in the font the
// grid draws with, so that every text fits the cell it is shown in. The grid
// stays hidden, with the last cell of the last column current; the caller
// shows it again.
void PasKolomBreedteAan(platform::Grid& grid);
// The same for the one column `kolom`, when only its texts changed, without
// hiding the grid (the grid paints only what changes); the last cell of that
// column is current.
void PasKolomBreedteAan(platform::Grid& grid, int kolom);

// Hides the grid and writes the row number r ("1", "2", ...) into column 0
// of every data row r, centred. The grid stays hidden.
void NummerRijen(platform::Grid& grid);
