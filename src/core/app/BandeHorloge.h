#pragma once
// Règles de la bande de la date et de l'heure.
#include <string>

#include "core/commun/Codes.h"

namespace pulsodex {

class TConfig;

// Le motif : l'heure seule, la date seule, ou « date - heure ».
std::string MotifHorloge(const TConfig& config);
// Prochain intervalle : 1000 ms en mode seconde, sinon jusqu'à la minute pleine.
int ProchainIntervalle(ModeRafraichissementHorloge modeHorloge, int secondes);

} // namespace pulsodex
