// What every translation must keep of its source text, whoever wrote it: the
// placeholders, the menu accelerator, and the line breaks around it that lay
// out the texts put together from pieces.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

struct Entry {
  QString context, source, translation;
};

std::vector<Entry> ReadTsFile(const QString& language) {
  const char* source = std::getenv("VELM_SOURCE_DIR");
  const std::filesystem::path path = std::filesystem::path(source ? source : VELM_CONFIGURED_SOURCE_DIR) / "src" /
                                     "gui" / "translations" / ("velmedit_" + language.toStdString() + ".ts");
  QFile file(QString::fromStdString(path.string()));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
  QXmlStreamReader xml(&file);
  std::vector<Entry> entries;
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"message") entries.push_back({context, {}, {}});
    if (xml.name() == u"source") entries.back().source = xml.readElementText();
    if (xml.name() == u"translation") entries.back().translation = xml.readElementText();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return entries;
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  static const QRegularExpression placeholder(QStringLiteral("%L?[1-9]"));
  for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found << m.captured().remove(u'L');
  found.sort();
  return found;
}

bool HasAccelerator(const QString& text) {
  static const QRegularExpression accelerator(QStringLiteral("&[^& ]"));
  return text.contains(accelerator);
}

// The line breaks before and after the words, which lay out the texts
// that are put together (blanks may differ: English puts them between words).
QString LineBreakEdges(const QString& text) {
  qsizetype start = 0, end = text.size();
  while (start < end && text[start].isSpace()) ++start;
  while (end > start && text[end - 1].isSpace()) --end;
  return QString::number(text.left(start).count(u'\n')) + u'|' + QString::number(text.mid(end).count(u'\n'));
}

TEST(TranslationFiles, EachTranslationKeepsWhatItsSourceIsBuiltWith) {
  for (const QString& language : {QStringLiteral("zh_TW"), QStringLiteral("en")}) {
    const std::vector<Entry> entries = ReadTsFile(language);
    EXPECT_GT(entries.size(), 100u) << language.toStdString();
    for (const Entry& e : entries) {
      if (e.translation.isEmpty()) continue;  // the completeness check names those
      const std::string where = (language + u' ' + e.context + u' ' + e.source).toStdString();
      // English shows the system's own words alone: they say what the
      // description would, in the same language.
      const bool systemWordsAlone = language == u"en" && e.context == u"SystemErrorText" && e.source == u"%1（%2）";
      if (!systemWordsAlone) {
        EXPECT_EQ(Placeholders(e.translation), Placeholders(e.source)) << where;
      }
      EXPECT_EQ(HasAccelerator(e.translation), HasAccelerator(e.source)) << where;
      EXPECT_EQ(LineBreakEdges(e.translation), LineBreakEdges(e.source)) << where;
    }
  }
}

}  // namespace
