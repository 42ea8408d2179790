#pragma once
// What the operating system says about a failed file operation, in the
// player's language: Qt and the C library report it in English.
#include <QString>
#include <string>
#include <system_error>

// The Chinese for a system error text with the system's words after it
// ("No such file or directory" -> "文件或文件夹不存在（No such file or
// directory）"); a text it does not know stays as it is.
std::string SystemErrorText(const QString& systemMessage);
std::string SystemErrorText(const std::error_code& error);
