#pragma once
// SIGTERM et SIGINT vus comme une prise lisible : le gestionnaire de signal y
// écrit un octet, la boucle de l'interface la surveille.
#include <cstdint>

namespace pulsodex {

// Installe les gestionnaires (une fois pour tout le processus) et rend le
// descripteur à surveiller ; -1 si la paire de prises n'a pu être créée.
std::intptr_t SurveillerSignauxArret();
// Vide la prise après un signal.
void AcquitterSignauxArret();

} // namespace pulsodex
