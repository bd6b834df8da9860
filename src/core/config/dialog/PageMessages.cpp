// Page « &Messages » : les règles d'avertissement.
#include "TOptionsForm.h"

namespace pulsodex {

void TOptionsForm::LierReglesMessages() {}

} // namespace pulsodex
