#pragma once
// Ce que la vérification des mises à jour dit à l'utilisateur.
#include <optional>
#include <string>

#include "core/interfaces/Presentateur.h"
#include "core/net/MiseAJour.h"

namespace pulsodex::net {

enum class OrigineVerification { Demarrage, Menu };

struct AvisMiseAJour {
    std::string Texte;
    IconeBoite Icone = IconeBoite::Information;

    bool operator==(const AvisMiseAJour&) const = default;
};

// Au démarrage seule une nouvelle version est annoncée ; depuis le menu
// chaque issue a sa boîte, y compris l'échec de la vérification.
std::optional<AvisMiseAJour> AvisPour(EtatMiseAJour etat, OrigineVerification origine);

} // namespace pulsodex::net
