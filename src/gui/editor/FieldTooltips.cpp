#include "gui/editor/FieldTooltips.h"

#include <QCheckBox>
#include <QLabel>

#include "core/check/FieldDescriptions.h"
#include "gui/widgets/FormControls.h"

QString FieldTooltip(const OfficerField& field) { return QString::fromStdString(FieldDescription(field)); }

void SetFieldTooltips(QWidget* form) {
  const QList<QLabel*> captions = form->findChildren<QLabel*>();
  for (const OfficerField& field : OfficerFields()) {
    if (field.control.empty()) continue;
    QWidget* control = FormControl<QWidget>(form, field.control);
    const QString tip = FieldTooltip(field);
    control->setToolTip(tip);
    for (QLabel* caption : captions) {
      if (caption->buddy() == control) caption->setToolTip(tip);
    }
  }
  for (const SkillBox& box : SkillLayout()) {
    FormControl<QCheckBox>(form, box.objectName)->setToolTip(QString::fromStdString(SkillDescription(box)));
  }
}
