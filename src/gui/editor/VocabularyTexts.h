#pragma once
// The game's words on the editor panel (the enumeration pickers' items and
// the skill boxes' captions) in the language of the interface: simplified in
// simplified Chinese, as the game shows them (traditional) in the other two
// languages, and in English with each word's English meaning in its tooltip.
#include "core/language/UiLanguage.h"

class QWidget;

// Replaces the texts of the controls under `form` (found by the names the
// field table gives) in place: selections, check states and the other lines
// of the tooltips stay, no control reports a change of value.
void ShowGameVocabulary(QWidget* form, UiLanguage language);
