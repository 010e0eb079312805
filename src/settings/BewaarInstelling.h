#pragma once
// Writing one setting of taal.ini from a settings window, where the user
// must learn at once when it could not be stored.

#include <QString>

// Writes `waarde` under [sectie] sleutel of the settings file IniBestand.
// When the file cannot be written (read-only, a full disk, not a regular
// file) the user is told so at once, in a message titled `titel` that names
// the file and the reason, and false is returned: the key keeps its
// previous value.
bool BewaarInstelling(const QString& sectie, const QString& sleutel, const QString& waarde,
                      const QString& titel);
