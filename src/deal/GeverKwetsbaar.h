#pragma once
// The dealer and vulnerability of every board: the cycle of four dealers and
// the sixteen-board vulnerability cycle, held as strings of digits so that a
// window can show and print them per board number.

#include <QString>

// Dealer digit per board number (0 North .. 3 West), 300 characters; digit b
// (1-based) belongs to board b.
extern QString GeverReeks;
// Vulnerability digit per board number (0 none, 1 North-South, 2 East-West,
// 3 both), 240 characters.
extern QString KwetsbaarReeks;

// "01230123012301230123" and "0123123023013012", each repeated 15 times.
QString BouwGeverReeks();
QString BouwKwetsbaarReeks();

// The dealer seat and vulnerability code of board b (1-based) read from the
// two strings; 0 when b lies outside them.
int GeverVanSpel(int spelnummer);
int KwetsbaarVanSpel(int spelnummer);
