#include "gui/widgets/LanguageSwitch.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

struct Caption {
  QString where;
  QString text;
};

void Add(std::vector<Caption>& captions, const QObject* object, const char* property, const QString& text) {
  if (!text.isEmpty()) captions.push_back({object->objectName() + u'/' + QLatin1String(property), text});
}

std::vector<Caption> Captions(QWidget& window) {
  std::vector<Caption> captions;
  Add(captions, &window, "windowTitle", window.windowTitle());
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(w)) Add(captions, w, "text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) Add(captions, w, "text", button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) Add(captions, w, "title", group->title());
    if (auto* menu = qobject_cast<QMenu*>(w)) Add(captions, w, "title", menu->title());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) Add(captions, w, "placeholderText", edit->placeholderText());
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) Add(captions, w, "tab", tabs->tabText(i));
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
      for (int i = 0; i < tree->columnCount(); ++i) Add(captions, w, "heading", tree->headerItem()->text(i));
    }
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      for (int i = 0; i < table->columnCount(); ++i) {
        if (const QTableWidgetItem* heading = table->horizontalHeaderItem(i)) Add(captions, w, "heading", heading->text());
      }
    }
  }
  for (QAction* action : window.findChildren<QAction*>()) Add(captions, action, "text", action->text());
  return captions;
}

bool HasChinese(const QString& text) {
  static const QRegularExpression han(QStringLiteral("[\\x{3400}-\\x{9FFF}\\x{F900}-\\x{FAFF}]"));
  return text.contains(han);
}

}  // namespace

void LanguageSwitch::To(const char* code) {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
  installed_ = false;
  if (*code != '\0') {
    ASSERT_TRUE(translator_.load(QStringLiteral(":/i18n/velmedit_%1.qm").arg(QLatin1String(code))));
    installed_ = QCoreApplication::installTranslator(&translator_);
    ASSERT_TRUE(installed_);
  }
  // The application hears of the change first, then tells each window.
  for (int round = 0; round < 3; ++round) QCoreApplication::sendPostedEvents();
}

QString LanguageSwitch::Translated(const QStringList& contexts, const QString& text) const {
  for (const QString& context : contexts) {
    const QString found = translator_.translate(context.toUtf8().constData(), text.toUtf8().constData());
    if (!found.isEmpty()) return found;
  }
  return QString();
}

QStringList CaptionTexts(QWidget& window) {
  QStringList texts;
  for (const Caption& caption : Captions(window)) texts.append(caption.where + u'=' + caption.text);
  return texts;
}

void ExpectLiveSwitch(QWidget& window, const QStringList& contexts, const DataCaption& isData) {
  const std::vector<Caption> simplified = Captions(window);
  ASSERT_FALSE(simplified.empty());
  LanguageSwitch language;
  for (const char* code : {"en", "zh_TW"}) {
    language.To(code);
    const std::vector<Caption> shown = Captions(window);
    ASSERT_EQ(shown.size(), simplified.size()) << code;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const QString& where = simplified[i].where;
      const bool data = isData && isData(where);
      const QString expected = language.Translated(contexts, simplified[i].text);
      if (!expected.isEmpty() && !data) {
        EXPECT_EQ(shown[i].text, expected) << code << ' ' << where.toStdString();
      }
      if (std::string(code) == "en" && !data) {
        EXPECT_FALSE(HasChinese(shown[i].text)) << where.toStdString() << ": " << shown[i].text.toStdString();
      }
    }
  }
  language.To("");
  const std::vector<Caption> again = Captions(window);
  ASSERT_EQ(again.size(), simplified.size());
  for (std::size_t i = 0; i < again.size(); ++i) {
    EXPECT_EQ(again[i].text, simplified[i].text) << simplified[i].where.toStdString();
  }
}
