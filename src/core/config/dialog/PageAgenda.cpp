// Page « Agen&da » : les événements.
#include "TOptionsForm.h"

namespace pulsodex {

void TOptionsForm::LierReglesAgenda() {}

} // namespace pulsodex
