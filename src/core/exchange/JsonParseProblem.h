#pragma once
// What a parse error of RapidJSON means for a person, and where it is.
#include <QByteArray>
#include <cstddef>
#include <rapidjson/error/error.h>

// The untranslated text (context "JsonExchange"); `bytes` are the parsed
// document, `offset` where the error is.
const char* JsonProblem(rapidjson::ParseErrorCode error, const QByteArray& bytes, std::size_t offset);
