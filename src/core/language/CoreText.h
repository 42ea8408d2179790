#pragma once
// The core's own texts in the language of the installed translator (the
// simplified Chinese they are written in when none is installed). A text is
// shown to lupdate with QT_TRANSLATE_NOOP("Context", "…") where it is
// written, and translated where it is used.
#include <QtGlobal>
#include <initializer_list>
#include <string>
#include <string_view>

// `source` (UTF-8) translated under `context`, each %1..%9 replaced in one
// pass by the piece of that number (UTF-8), so that a piece holding "%1"
// stays as it is. A placeholder without a piece stays too.
std::string CoreText(const char* context, const char* source, std::initializer_list<std::string_view> pieces = {});

// The same for a text held as a std::string_view of a literal (the field
// table's labels and meanings).
std::string CoreText(const char* context, std::string_view source);
