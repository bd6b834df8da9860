#include "core/probes/OuvertureDisque.h"

namespace pulsodex {

bool OuvrirDisque(SondeDisques& disques, std::uint8_t lecteur, std::string_view verbe, Lanceur& lanceur) {
    const std::string& dossier = disques.Carte().Chemin(lecteur);
    if (verbe.empty() || dossier.empty() || disques.Espace(lecteur).Etat != EtatSonde::Ok) {
        return false;
    }
    lanceur.ShellExecute(verbe, dossier, "", "", ModeFenetre::Normale);
    return true;
}

} // namespace pulsodex
