#include "core/net/AvisMiseAJour.h"

#include "core/commun/Produit.h"

namespace pulsodex::net {

std::optional<AvisMiseAJour> AvisPour(EtatMiseAJour etat, OrigineVerification origine) {
    const std::string site(produit::SiteWeb);
    if (origine == OrigineVerification::Demarrage) {
        if (etat != EtatMiseAJour::Disponible) {
            return std::nullopt;
        }
        return AvisMiseAJour{"Une nouvelle mise à jour de Pulsodex XP est disponible sur le site " + site +
                                 " !",
                             IconeBoite::Avertissement};
    }
    switch (etat) {
    case EtatMiseAJour::Disponible:
        return AvisMiseAJour{"Une nouvelle mise à jour est disponible sur le site " + site + " !",
                             IconeBoite::Avertissement};
    case EtatMiseAJour::AJour:
        return AvisMiseAJour{"Vous avez déjà la dernière version.", IconeBoite::Information};
    case EtatMiseAJour::Inconnu:
        break;
    }
    return AvisMiseAJour{"Impossible de vérifier si une mise à jour est disponible.",
                         IconeBoite::Information};
}

} // namespace pulsodex::net
