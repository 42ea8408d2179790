#pragma once
// 设置路径 → 界面语言: 简体中文 / 繁體中文 / English. A choice is kept in the
// settings and applied at once: the translations change, every window
// redraws its texts.
#include <QObject>
#include <array>

#include "core/language/UiLanguage.h"

class QAction;
class QMenu;

class LanguageMenu : public QObject {
  Q_OBJECT

 public:
  // Adds the submenu at the end of `parent`, the current language checked.
  explicit LanguageMenu(QMenu* parent);

  // Keeps the choice, applies it and tells languageChosen.
  void Choose(UiLanguage language);

 signals:
  void languageChosen(UiLanguage language);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowTitle();
  QAction* ActionFor(UiLanguage language) const;

  QMenu* menu_;
  std::array<QAction*, 3> actions_{};  // 简体中文, 繁體中文, English
};
