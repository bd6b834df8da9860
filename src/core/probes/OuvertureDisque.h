#pragma once
// Le double-clic sur la jauge d'un lecteur : ouvrir son dossier.
#include <cstdint>
#include <string_view>

#include "core/plateforme/Lanceur.h"
#include "core/probes/Disques.h"

namespace pulsodex {

// Demande au lanceur d'exécuter le verbe (« open », « explore ») sur le dossier
// du lecteur (1 = A .. 26 = Z), sans paramètres ni dossier de travail, fenêtre
// normale ; sa réponse est ignorée. Rien pour un verbe vide, le total (0) ou
// une lettre sans chemin. Le lanceur examine le dossier, ce qui resterait
// bloqué sur un montage mort : un lecteur qui ne répond pas au releveur
// n'est donc pas ouvert. Vrai quand le dossier a été confié au lanceur.
bool OuvrirDisque(SondeDisques& disques, std::uint8_t lecteur, std::string_view verbe, Lanceur& lanceur);

} // namespace pulsodex
