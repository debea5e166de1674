#pragma once

#include "app/ScreenRegistry.h"

// The program's working screens, one line each; a screen missing here is simply not opened.
ScreenRegistry standardScreens();
