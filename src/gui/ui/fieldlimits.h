#pragma once

#include "core/options/optionfield.h"

class QLineEdit;
class QSpinBox;

namespace pagoranto {

// A control takes the limits of the field it edits, so that what a user can enter and what a
// file can bring are the same.
void ApplyFieldLimits(QLineEdit *edit, const TextField &field);
void ApplyFieldLimits(QSpinBox *box, const NumberField &field);

} // namespace pagoranto
