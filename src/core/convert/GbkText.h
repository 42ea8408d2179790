#pragma once
// The one place where GBK bytes become Qt text and back. Officer texts travel
// through the program as GBK bytes; widgets show QString.
#include <QString>
#include <string>
#include <string_view>

QString FromGbk(std::string_view bytes);
std::string ToGbk(const QString& text);
// False when a character of the text has no GBK form.
bool GbkCanEncode(const QString& text);
// Length of the text in GBK bytes (what the game's byte limits count).
int GbkByteLength(const QString& text);
