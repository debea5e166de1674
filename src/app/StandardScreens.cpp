#include "app/StandardScreens.h"

ScreenRegistry standardScreens() {
    ScreenRegistry screens;
    // Each working screen joins here with one assignment of its factory to its Screen key.
    return screens;
}
