#pragma once
// The one place where GBK bytes become Qt text and back. Officer texts travel
// through the program as GBK bytes; widgets show QString. Stored Big5 is read
// here too, where the player is shown a text as the game will show it.
#include <QString>
#include <string>
#include <string_view>

// Both directions go through the program's own code pages (CodePages.h):
// bytes that form no character read as U+FFFD, and a character GBK lacks is
// written as "?".
QString FromGbk(std::string_view bytes);
std::string ToGbk(const QString& text);
// False when a character of the text has no GBK form (a "?" typed stays fine).
bool GbkCanEncode(const QString& text);
// Length of the text in GBK bytes (what the game's byte limits count).
int GbkByteLength(const QString& text);

// Big5 bytes as Qt text (traditional, as the game shows them).
QString FromBig5(std::string_view bytes);
// The two Big5 bytes of one character; empty when Big5 has none.
std::string Big5Of(char32_t character);
