#pragma once
// The Japanese-to-Chinese conversion of one officer's texts, and the names
// that the commands show afterwards. Texts are converted in place in their
// fields; names are GBK bytes.
#include <string>

#include "core/convert/ShownTextSet.h"
#include "core/officers/OfficerRecord.h"

// Converts each of Xing, Ming, Zi and Story that was written by the Japanese
// edition (StoredEncodingOf says Shift-JIS) from Shift-JIS to Big5, in place
// within its field: nothing is written past the field's width or over its
// terminator, also where a field holds no zero byte. A text that is already
// Big5 keeps its bytes, so converting twice changes nothing. Yin and every
// other field keep their bytes. True when any text was converted.
bool ConvertOfficerTexts(OfficerRecord& record);

// The four texts as the editor panel shows them: Big5ToGbk of copies.
ShownTextSet ShownTextsOf(const OfficerRecord& record);

// Surname followed by given name, in GBK. No placeholder: a slot without
// names gives an empty entry.
std::string ConvertedRosterName(const OfficerRecord& record);

// The roster name, one space and the courtesy name, in GBK (" " for a slot
// without names).
std::string ConvertedDisplayName(const OfficerRecord& record);
