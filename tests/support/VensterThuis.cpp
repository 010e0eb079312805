#include "support/VensterThuis.h"

#include "platform/Events.h"
#include "platform/Form.h"
#include "shared/Instellingen.h"
#include "shared/Tekst.h"
#include "support/MailTxtFixture.h"

namespace testsupport {

void VensterThuis::Begin(const VensterStart& start) {
    home_ = std::make_unique<TempHome>();
    if (start.mailTxt) WriteWorkingMailTxt();
    if (start.instellingen) LeesInstellingen();
    if (start.taal != 0) TaalNummer = start.taal;
}

void VensterThuis::Einde() {
    platform::UnloadAll();
    platform::DoEvents();
    home_.reset();
}

}  // namespace testsupport
