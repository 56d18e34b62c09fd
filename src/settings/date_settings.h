// The regional date settings the program uses: read from the program's
// locale at first use, read again when the system's settings change.
#pragma once

#include "settings/date_text.h"

const TDateSettings& CurrentDateSettings();

// Called by the window when the system announces a change of its settings
// (WM_SETTINGCHANGE): the settings are read again for the user's default locale.
void ReloadDateSettingsForUserLocale();
