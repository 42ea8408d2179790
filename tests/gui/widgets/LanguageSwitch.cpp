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
#include <QTableWidget>
#include <QTreeWidget>

namespace {

using Captions = std::vector<std::pair<QString, QString>>;  // "object/property", text

Captions CaptionsOf(QWidget& window) {
  Captions captions;
  const auto add = [&](const QObject* o, const char* property, const QString& text) {
    if (!text.isEmpty()) captions.emplace_back(o->objectName() + u'/' + QLatin1String(property), text);
  };
  add(&window, "windowTitle", window.windowTitle());
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(w)) add(w, "text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, "text", button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) add(w, "title", group->title());
    if (auto* menu = qobject_cast<QMenu*>(w)) add(w, "title", menu->title());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) add(w, "placeholderText", edit->placeholderText());
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
      for (int i = 0; i < tree->columnCount(); ++i) add(w, "heading", tree->headerItem()->text(i));
    }
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      for (int i = 0; i < table->columnCount(); ++i) add(w, "heading", table->horizontalHeaderItem(i)->text());
    }
  }
  for (QAction* action : window.findChildren<QAction*>()) add(action, "text", action->text());
  return captions;
}

}  // namespace

void LanguageSwitch::To(const char* code) {
  QCoreApplication::removeTranslator(&translator_);
  if (*code != '\0') {
    ASSERT_TRUE(translator_.load(QStringLiteral(":/i18n/velmedit_%1.qm").arg(QLatin1String(code))));
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator_));
  }
  // The application hears of the change first, then tells each window.
  for (int round = 0; round < 3; ++round) QCoreApplication::sendPostedEvents();
}

void ExpectLiveSwitch(QWidget& window, const QStringList& contexts, const std::function<bool(const QString&)>& isData) {
  static const QRegularExpression chinese(QStringLiteral("[\\x{3400}-\\x{9FFF}]"));
  const Captions simplified = CaptionsOf(window);
  ASSERT_FALSE(simplified.empty());
  LanguageSwitch language;
  for (const char* code : {"en", "zh_TW"}) {
    QTranslator translation;
    ASSERT_TRUE(translation.load(QStringLiteral(":/i18n/velmedit_%1.qm").arg(QLatin1String(code))));
    language.To(code);
    const Captions shown = CaptionsOf(window);
    ASSERT_EQ(shown.size(), simplified.size()) << code;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const auto& [where, text] = simplified[i];
      if (isData && isData(where)) continue;
      for (const QString& context : contexts) {
        const QString expected = translation.translate(context.toUtf8().constData(), text.toUtf8().constData());
        if (expected.isEmpty()) continue;
        EXPECT_EQ(shown[i].second, expected) << code << ' ' << where.toStdString();
        break;
      }
      const bool english = *code == 'e';
      EXPECT_FALSE(english && shown[i].second.contains(chinese)) << where.toStdString() << ": " << shown[i].second.toStdString();
    }
  }
  language.To("");
  EXPECT_EQ(CaptionsOf(window), simplified);
}
