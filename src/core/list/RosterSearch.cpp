#include "core/list/RosterSearch.h"

#include <QList>

#include "core/convert/GbkText.h"
#include "core/convert/Jislib.h"
#include "core/list/OfficerRoster.h"

QString SimplifiedForm(const QString& text) {
  QString simplified;
  for (const char32_t c : text.toUcs4()) {
    const QString typed = QString::fromUcs4(&c, 1);
    const std::string big5 = c < 0x80 ? std::string() : Big5Of(c);
    const QString shown = big5.empty() ? QString() : FromGbk(Big5ToGbk(big5));
    // A character the table has no single counterpart for stays as typed.
    const bool single = shown.toUcs4().size() == 1 && shown != QStringLiteral("?") && shown != QChar(0xFFFD);
    simplified += single ? shown : typed;
  }
  return simplified;
}

RosterSearch::RosterSearch(const QString& typed) : typed_(typed.trimmed()), simplified_(SimplifiedForm(typed_)) {
  bool number = false;
  const int value = typed_.toInt(&number);
  if (number && value >= 0 && value < kRosterNoneEntry && QString::number(value) == typed_) exactNumber_ = value;
}

bool RosterSearch::Matches(int entry, const QString& shown) const {
  if (IsEmpty()) return true;
  if (entry >= 0 && entry < kRosterNoneEntry && QString::number(entry).contains(typed_)) return true;
  return shown.contains(typed_, Qt::CaseInsensitive) || shown.contains(simplified_, Qt::CaseInsensitive);
}
