#include "OuvertureDisque.h"

#include "commun/Textes.h"

namespace pulsodex {

bool OuvrirDisque(const CarteLecteurs& carte, std::uint8_t lecteur, std::string_view verbe,
                  Lanceur& lanceur) {
    if (!EgalSansCasse(verbe, "open") && !EgalSansCasse(verbe, "explore")) {
        return false;
    }
    const std::string& dossier = carte.Chemin(lecteur);
    if (dossier.empty()) {
        return false;
    }
    lanceur.OuvrirDossier(dossier);
    return true;
}

} // namespace pulsodex
