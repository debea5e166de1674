#pragma once

#include "data/SettingsRow.h"

// Where the receipt and the sale read the shop's current settings from: the settings
// window's fields while it is loaded (saved or not), otherwise the stored row.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    virtual SettingsRow currentSettings() = 0;
};
