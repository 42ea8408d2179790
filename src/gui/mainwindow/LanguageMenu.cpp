#include "gui/mainwindow/LanguageMenu.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>

#include "cli/ProgramLanguage.h"
#include "core/faces/LanguageSetting.h"

namespace {

struct LanguageItem {
  UiLanguage language;
  const char* objectName;
  // Each language is named in itself, the same in every interface language,
  // so that a player who cannot read the current one still finds his own.
  const char16_t* name;
};

constexpr LanguageItem kItems[] = {
    {UiLanguage::SimplifiedChinese, "Menu_LanguageSimplified", u"简体中文"},
    {UiLanguage::TraditionalChinese, "Menu_LanguageTraditional", u"繁體中文"},
    {UiLanguage::English, "Menu_LanguageEnglish", u"English"},
};

}  // namespace

LanguageMenu::LanguageMenu(QMenu* parent) : QObject(parent), menu_(parent->addMenu(QString())) {
  setObjectName(QStringLiteral("LanguageMenu"));
  menu_->setObjectName(QStringLiteral("Menu_Language"));
  auto* group = new QActionGroup(menu_);
  for (std::size_t i = 0; i < std::size(kItems); ++i) {
    const LanguageItem& item = kItems[i];
    QAction* action = actions_[i] = menu_->addAction(QString::fromUtf16(item.name));
    action->setObjectName(QString::fromLatin1(item.objectName));
    action->setCheckable(true);
    action->setActionGroup(group);
    connect(action, &QAction::triggered, this, [this, language = item.language] { Choose(language); });
  }
  ActionFor(CurrentUiLanguage())->setChecked(true);
  ShowTitle();
  menu_->installEventFilter(this);
}

void LanguageMenu::Choose(UiLanguage language) {
  WriteLanguageSetting(language);
  ActionFor(language)->setChecked(true);
  if (language == CurrentUiLanguage()) return;
  UseUiLanguage(language);
  emit languageChosen(language);
}

bool LanguageMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched == menu_ && event->type() == QEvent::LanguageChange) ShowTitle();
  return QObject::eventFilter(watched, event);
}

void LanguageMenu::ShowTitle() { menu_->setTitle(tr("界面语言(&L)")); }

QAction* LanguageMenu::ActionFor(UiLanguage language) const {
  for (std::size_t i = 0; i < std::size(kItems); ++i) {
    if (kItems[i].language == language) return actions_[i];
  }
  return actions_.front();
}
