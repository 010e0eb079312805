#pragma once
// The keystroke sender MSendInput: types a text written in a small keystroke
// language into the widget that has the keyboard focus.
//
// The language, token by token from left to right:
//   + ^ %      hold Shift, Ctrl or Alt during the next token, then release it;
//              they combine ("+^x" holds both for x)
//   (...)      every character inside is typed as a character while the
//              modifiers before the group stay held; + ^ % { } inside are
//              typed as themselves, ~ is Enter
//   {NAME n}   the named key (ENTER, TAB, END, PRTSC, F1 ...; any case)
//              pressed n times (n after one blank; missing, 0 or negative
//              means 1). A name that is no key types the first character
//              inside the braces n times, so {a 5} types aaaaa and {{}, {}},
//              {+}, {~} type the brace or the sign. The closing brace is
//              looked for from the second character inside on.
//   ~          Enter
//   other      typed as the character; one no key of the layout types goes
//              out as a Unicode character
// An unclosed "{" or "(" is dropped and typing goes on after it; a modifier
// with nothing after it sends nothing.

#include <QString>
#include <QVector>

#include "platform/Keys.h"

// Key records of one call, in the order they are sent.
using ToetsRecords = QVector<platform::KeyInput>;

// Presses of one key asked for in braces are capped at this many.
constexpr int MaxToetsHerhaling = 10000;

// The records that StuurToetsen sends for tekst. capsLockAan: whether Caps
// Lock is on, so that letters get Shift inverted and come out as written.
ToetsRecords VertaalToetsen(const QString& tekst, bool capsLockAan);

// Types tekst into the focused widget. All its key events are delivered as
// one batch, in order, when pending events next run (callers let them run
// before they rely on the effect); with wachten they are delivered before
// the call returns.
void StuurToetsen(const QString& tekst, bool wachten);

// The virtual key of a key name (any case); 0 when it is no key name.
int ToetsCode(const QString& naam);
// True when the named key is an extended key.
bool IsUitgebreideToets(const QString& naam);
