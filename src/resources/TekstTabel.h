#pragma once
// Access to the text table (TekstTabel.cpp). Program code uses TaalTekst.

// Number of texts per language: 0 to 399. Rows with two empty texts are
// free numbers, not yet used by any window.
constexpr int kTekstAantal = 400;

struct TekstRegel {
    const char* nederlands;  // UTF-8
    const char* engels;      // UTF-8
};

// The row of text `nummer`, or nullptr outside 0 .. kTekstAantal - 1.
const TekstRegel* TekstTabelRegel(int nummer);
