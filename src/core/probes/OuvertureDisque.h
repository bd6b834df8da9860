#pragma once
// Le double-clic sur la jauge d'un lecteur : ouvrir son dossier.
#include <cstdint>
#include <string_view>

#include "interfaces/Lanceur.h"
#include "probes/CarteLecteurs.h"

namespace pulsodex {

// Ouvre le dossier du lecteur (1 = A .. 26 = Z) pour les verbes « open » et
// « explore ». Rien pour un autre verbe, un verbe vide, le total (0) ou une
// lettre sans chemin ; vrai quand le dossier a été confié au lanceur.
bool OuvrirDisque(const CarteLecteurs& carte, std::uint8_t lecteur, std::string_view verbe, Lanceur& lanceur);

} // namespace pulsodex
