#pragma once
// The user's desktop folder.

#include <QString>

namespace platform {

// The folder named XDG_DESKTOP_DIR in $XDG_CONFIG_HOME/user-dirs.dirs
// (~/.config/user-dirs.dirs), else ~/Desktop. Created when missing, so that
// a file can be put on it. No trailing separator.
QString desktopFolder();

}  // namespace platform
