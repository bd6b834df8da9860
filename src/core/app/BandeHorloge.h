#pragma once
// Règles de la bande de la date et de l'heure.
#include <string>

namespace pulsodex {

class TConfig;

// Le motif : l'heure seule, la date seule, ou « date - heure ».
std::string MotifHorloge(const TConfig& config);
// Prochain intervalle : 1000 ms en mode seconde, sinon jusqu'à la minute pleine.
int ProchainIntervalle(int modeHorloge, int secondes);

} // namespace pulsodex
