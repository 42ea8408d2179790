#pragma once
// From the registration file's bytes to an exchange document: every named
// field as its value, with the raw bytes beside each value that does not
// give them back.
#include <vector>

#include "core/exchange/ExchangeDocument.h"

enum class OfficerTextScript;  // core/language/UiLanguage.h

// The named values and raw bytes of the given slots (all when empty) of a
// file's first 28,604 bytes. Importing the document into any file of the
// game's size gives these slots' bytes and the header exactly, in either
// script (`script` decides how Big5 texts and new officers' names are
// written; simplified when not given).
ExchangeDocument ExportDocument(const std::vector<unsigned char>& head, const std::vector<int>& onlySlots = {});
ExchangeDocument ExportDocument(const std::vector<unsigned char>& head, const std::vector<int>& onlySlots,
                                OfficerTextScript script);
