#pragma once

#include "base/ScreenRegistry.h"

// The program's working screens, one line each; a screen missing here is simply not opened.
ScreenRegistry standardScreens();
