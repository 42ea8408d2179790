#include "gui/editor/VocabularyTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <string_view>

#include "core/officers/GameVocabulary.h"
#include "gui/widgets/FormControls.h"

namespace {

// The meaning line this code put above a control's tooltip, so that a
// later language takes it away again without touching the rest.
constexpr char kMeaningLine[] = "velmGameWordMeaning";

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void SetMeaningLine(QWidget* control, const QString& meaning) {
  QString tip = control->toolTip();
  const QString added = control->property(kMeaningLine).toString();
  if (!added.isEmpty() && tip.startsWith(added)) tip.remove(0, added.size());
  const QString line = meaning.isEmpty() ? QString() : meaning + u'\n';
  control->setToolTip(line + tip);
  control->setProperty(kMeaningLine, line);
}

}  // namespace

void ShowGameVocabulary(QWidget* form, UiLanguage language) {
  const OfficerTextScript script = TextScriptFor(language);
  const bool english = language == UiLanguage::English;
  for (const OfficerField* field : Enumerations()) {
    auto* picker = FormControl<QComboBox>(form, field->control);
    for (int i = 0; i < picker->count(); ++i) {
      const auto item = static_cast<std::size_t>(i);
      picker->setItemText(i, FromUtf8(ItemText(*field, item, script)));
      picker->setItemData(i, english ? QVariant(FromUtf8(ItemMeaning(*field, item))) : QVariant(), Qt::ToolTipRole);
    }
  }
  for (const SkillBox& box : SkillLayout()) {
    auto* check = FormControl<QCheckBox>(form, box.objectName);
    check->setText(FromUtf8(SkillText(box, script)));
    SetMeaningLine(check, english ? FromUtf8(SkillMeaning(box)) : QString());
  }
}
