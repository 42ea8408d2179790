// What every translation must keep of its source text, whoever wrote it: the
// placeholders, the menu accelerator, the line breaks that lay out the
// command line's help, and the blanks a caption is aligned with.
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

// The blanks and line breaks before and after the words.
QString Edges(const QString& text) {
  const QString words = text.trimmed();
  if (words.isEmpty()) return text;
  const qsizetype start = text.indexOf(words);
  return text.left(start) + u'|' + text.mid(start + words.size());
}

TEST(TranslationFiles, EachTranslationKeepsWhatItsSourceIsBuiltWith) {
  for (const QString& language : {QStringLiteral("zh_TW"), QStringLiteral("en")}) {
    const std::vector<Entry> entries = ReadTsFile(language);
    EXPECT_GT(entries.size(), 100u) << language.toStdString();
    for (const Entry& e : entries) {
      if (e.translation.isEmpty()) continue;  // the completeness check names those
      const std::string where = (language + u' ' + e.context + u' ' + e.source).toStdString();
      EXPECT_EQ(Placeholders(e.translation), Placeholders(e.source)) << where;
      EXPECT_EQ(HasAccelerator(e.translation), HasAccelerator(e.source)) << where;
      // A block of the command line's help keeps its lines.
      if (e.source.endsWith(u'\n')) {
        EXPECT_EQ(e.translation.count(u'\n'), e.source.count(u'\n')) << where;
      }
      EXPECT_EQ(Edges(e.translation), Edges(e.source)) << where;
    }
  }
}

}  // namespace
