#include "core/exchange/JsonParseProblem.h"

#include <QtGlobal>

const char* JsonProblem(rapidjson::ParseErrorCode error, const QByteArray& bytes, std::size_t offset) {
  switch (error) {
    case rapidjson::kParseErrorDocumentEmpty:
      return QT_TRANSLATE_NOOP("JsonExchange", "文件是空的");
    case rapidjson::kParseErrorDocumentRootNotSingular:
      return QT_TRANSLATE_NOOP("JsonExchange", "文件结束后还有多余的内容");
    case rapidjson::kParseErrorValueInvalid:
      return QT_TRANSLATE_NOOP("JsonExchange", "这里应为一个值（文字要加双引号，最后一项后面不能有逗号）");
    case rapidjson::kParseErrorObjectMissName: {
      const QByteArray before = bytes.left(static_cast<qsizetype>(offset)).trimmed();
      if (before.endsWith(',')) return QT_TRANSLATE_NOOP("JsonExchange", "逗号后面缺少一项（最后一项后面不能有逗号）");
      return QT_TRANSLATE_NOOP("JsonExchange", "这里应为带双引号的键");
    }
    case rapidjson::kParseErrorObjectMissColon:
      return QT_TRANSLATE_NOOP("JsonExchange", "键后面缺少冒号");
    case rapidjson::kParseErrorObjectMissCommaOrCurlyBracket:
      return QT_TRANSLATE_NOOP("JsonExchange", "对象没有结束：缺少 } 或两项之间的逗号");
    case rapidjson::kParseErrorArrayMissCommaOrSquareBracket:
      return QT_TRANSLATE_NOOP("JsonExchange", "列表没有结束：缺少 ] 或两项之间的逗号");
    case rapidjson::kParseErrorStringUnicodeEscapeInvalidHex:
    case rapidjson::kParseErrorStringEscapeInvalid:
      return QT_TRANSLATE_NOOP("JsonExchange", "文字中有不合法的转义（反斜杠要写成 \\\\）");
    case rapidjson::kParseErrorStringUnicodeSurrogateInvalid:
      return QT_TRANSLATE_NOOP("JsonExchange", "文字中有无法识别的字符（不成对的 \\u 代理项）");
    case rapidjson::kParseErrorStringMissQuotationMark:
      return QT_TRANSLATE_NOOP("JsonExchange", "文字没有结束：缺少结束的双引号");
    case rapidjson::kParseErrorStringInvalidEncoding:
      return QT_TRANSLATE_NOOP("JsonExchange", "文字中有不合法的 UTF-8 字节");
    case rapidjson::kParseErrorNumberTooBig:
    case rapidjson::kParseErrorNumberMissFraction:
    case rapidjson::kParseErrorNumberMissExponent:
      return QT_TRANSLATE_NOOP("JsonExchange", "不是合法的数字");
    case rapidjson::kParseErrorTermination:
      return QT_TRANSLATE_NOOP("JsonExchange", "文件中途结束");
    default: break;
  }
  return QT_TRANSLATE_NOOP("JsonExchange", "格式错误");
}
