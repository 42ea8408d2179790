#pragma once
// The interface language the player chose, kept in the second settings file
// (velmedit-recent.ini) beside velmedit.ini, which stays one line.
#include <optional>

#include "core/language/UiLanguage.h"

// The chosen language; nullopt when none was chosen, or the file names one
// the program does not know (the system's choice applies then).
std::optional<UiLanguage> ReadLanguageSetting();

// Keeps `language` for the next starts. A setting that cannot be written is
// simply not kept.
void WriteLanguageSetting(UiLanguage language);
