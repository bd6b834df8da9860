#pragma once
#include <QIcon>

namespace pulsodex {

// L'icône du programme : trois barres de jauge, dessinée à chaque taille.
QIcon IconeApplication();

} // namespace pulsodex
