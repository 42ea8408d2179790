#pragma once
// The Japanese-to-Chinese conversion of one officer's stored texts
// (StoredTextFields()), and those texts as the editor panel shows them.
// Texts are converted in place in their fields.
#include <QString>
#include <string_view>

#include "core/convert/ShownTextSet.h"
#include "core/language/UiLanguage.h"
#include "core/officers/OfficerRecord.h"

// Converts each stored text that was written by the Japanese edition
// (StoredEncodingOf says Shift-JIS) from Shift-JIS to Big5, in place within
// its field: nothing is written past the field's width or over its
// terminator, also where a field holds no zero byte. A text that is already
// Big5 keeps its bytes, so converting twice changes nothing. The reading and
// every other field keep their bytes. True when any text was converted.
bool ConvertOfficerTexts(OfficerRecord& record);

// True when any stored text holds a byte.
bool HasStoredTexts(const OfficerRecord& record);

// The stored texts as the editor panel shows them: Big5ToGbk of copies, or
// in the traditional script the stored Big5 decoded exactly, as UTF-8.
ShownTextSet ShownTextsOf(const OfficerRecord& record, OfficerTextScript script = OfficerTextScript::Simplified);

// A shown text's bytes (ShownTextSet) as Qt text and back: GBK in the
// simplified script, UTF-8 in the traditional one.
QString ShownBytesText(OfficerTextScript script, std::string_view bytes);
std::string ShownTextBytes(OfficerTextScript script, const QString& text);
