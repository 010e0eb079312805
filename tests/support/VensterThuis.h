#pragma once
// The program folder and the windows of one function of a window test.
// init() calls Begin, cleanup() calls Einde:
//   Begin: a fresh program folder (DROVIK_HOME) with a working MAIL.TXT,
//          the settings read from it when asked, and the language set;
//   Einde: every window unloaded, front to back, the events that leaves
//          behind run, the folder removed.
// A test that must do more before its windows go (answer a question, save
// a grid) does that in cleanup() before Einde.

#include <memory>

#include "support/TestSupport.h"

namespace testsupport {

struct VensterStart {
    bool mailTxt = true;        // a working one-provider MAIL.TXT
    bool instellingen = false;  // LeesInstellingen from the new folder
    int taal = 10;              // TaalNummer; 0 leaves it as it is
};

class VensterThuis {
public:
    void Begin(const VensterStart& start = {});
    void Einde();

    // The folder, while a test function runs.
    TempHome& operator*() const { return *home_; }
    TempHome* operator->() const { return home_.get(); }

private:
    std::unique_ptr<TempHome> home_;
};

}  // namespace testsupport
