#pragma once

#include "data/SettingsRow.h"

// The shop's current settings, as the receipt and the till read them: the settings window's
// fields while it is open (saved or not), otherwise the stored row.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    virtual SettingsRow currentSettings() = 0;
};
