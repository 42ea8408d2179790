#pragma once
// The Japanese-to-Chinese conversion of one officer's texts, and the names
// that the commands show afterwards. Texts are converted in place in their
// fields; names are GBK bytes.
#include <string>

#include "core/editor/ShownTextSet.h"
#include "core/officers/OfficerRecord.h"

// Which encoding the biography is read in. The single-officer command reads
// it as Shift-JIS like the names; the all-officers command reads it as GBK.
enum class StorySource { ShiftJis, Gbk };

// Converts Xing, Ming and Zi from Shift-JIS to Big5, then Story from the
// given source to Big5, each in place within its field: nothing is written
// past the field's width or over its terminator, also where a field holds no
// zero byte. Yin and every other field keep their bytes.
void ConvertOfficerTexts(OfficerRecord& record, StorySource story);

// The four texts as the editor panel shows them: Big5ToGbk of copies.
ShownTextSet ShownTextsOf(const OfficerRecord& record);

// Surname followed by given name, in GBK. No placeholder: a slot without
// names gives an empty entry.
std::string ConvertedRosterName(const OfficerRecord& record);

// The roster name, one space and the courtesy name, in GBK (" " for a slot
// without names).
std::string ConvertedDisplayName(const OfficerRecord& record);
