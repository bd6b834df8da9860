#pragma once
// L'ouverture commune des serveurs : l'écoute, son port, puis le fil qui la sert.
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "core/plateforme/Prises.h"

namespace pulsodex::net {

// Écoute adresse:port (vide : toutes les adresses ; 0 : un port libre), note
// le port obtenu, puis lance `corps` sur `fil`. Si le fil ne peut être créé,
// l'écoute est refermée et l'erreur relancée. Lève ErreurPrise quand le port
// ne peut être écouté.
void OuvrirEcoute(const std::string& adresse, std::uint16_t port, Descripteur& ecoute,
                  std::uint16_t& portLocal, std::thread& fil, const std::function<void()>& corps);

} // namespace pulsodex::net
