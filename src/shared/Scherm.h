#pragma once
// Window layout helpers: controls that grow and shrink with their window,
// the window size kept in scherm.ini, focus moves that only go where focus
// can go, and sort check boxes kept in Sorteer.ini.
//
// Each window instance has its own geometry store (filled by BewaarPosities
// in its load handler), so scaling one window never uses another window's
// sizes, nor those an earlier instance of the same window stored.

#include <QString>

namespace platform {
class Form;
class Control;
class CheckBox;
}  // namespace platform

// Stores the design geometry (position, size, font size) of every control
// of the window and its client size.
void BewaarPosities(platform::Form& frm);
// Scales every control by the ratio of the current to the stored client
// size; font sizes follow the smaller of the two ratios, capped at 11.5
// points, and shrink further where a caption would not fit its control; a
// grid's column widths follow its font size. Nothing happens while
// BezigMetLaden is set, while the window is minimised, or when this
// instance of the window has not stored its geometry yet.
void SchaalScherm(platform::Form& frm);
// scherm.ini [<window name>] State = "<width>,<height>" (outer size, twips).
// A size below a quarter of the window's design size is not stored.
void BewaarSchermGrootte(platform::Form& frm);
// Restores the stored size (taal.ini [Beeldscherm] ToonScherm not 0) and
// centres the window (taal.ini [Beeldscherm] "Center Beeldscherm" not 0).
// A stored size below a quarter of the design size, or beyond four screens,
// is passed over: the window keeps its design size.
void HerstelScherm(platform::Form& frm);
// Gives ctl the focus when the window and the control (and the frames it
// sits in) are visible and enabled; otherwise does nothing.
void ZetFocus(platform::Form& frm, platform::Control& ctl);
// Sorteer.ini [Sorteer] "<window>.<box><extra>": sets / stores the box's value.
void LeesSorteer(platform::Form& frm, platform::CheckBox& chk, const QString& extra);
void BewaarSorteer(platform::Form& frm, platform::CheckBox& chk, const QString& extra);

// Full paths of the two files.
QString SchermIniBestand();
QString SorteerIniBestand();

// For tests: forgets every stored geometry.
void VergeetPosities();
