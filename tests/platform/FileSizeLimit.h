#pragma once
// FileSizeLimit lives with the other file-test helpers.
#include "platform/FileTestHelpers.h"
