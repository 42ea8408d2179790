#pragma once
// The tooltips that tell what each field of the panel means and what it may
// hold: on the field's control and on every caption whose buddy it is, on
// each skill box. The texts come from the core's field table.
#include <QString>

#include "core/officers/OfficerFields.h"

class QWidget;

// Sets the tooltips of the panel's controls and captions under `form`.
void SetFieldTooltips(QWidget* form);
// The field's meaning as its tooltip shows it (plain text).
QString FieldTooltip(const OfficerField& field);
