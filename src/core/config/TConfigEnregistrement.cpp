// Écriture des réglages sur disque et avis à l'utilisateur quand elle échoue.
#include "TConfig.h"
#include "commun/Produit.h"
#include "commun/Trace.h"
#include "interfaces/Presentateur.h"

namespace pulsodex {

std::string TexteEchecEnregistrement(std::string_view cause) {
    std::string texte = "Les réglages n'ont pas pu être enregistrés";
    if (!cause.empty()) {
        texte += " dans ";
        texte += cause;
    }
    texte += ".\n\nLe fichier des réglages garde son contenu précédent. Pulsodex continue de fonctionner "
             "et enregistrera vos changements à la prochaine sauvegarde réussie.";
    return texte;
}

bool TConfig::Enregistrer(AvisEchec avis) {
    TraceProcedure trace("TConfig.Enregistrer");
    if (m_services.Reg.Synchroniser()) {
        m_echecDit = false;
        return true;
    }
    if (avis == AvisEchec::Toujours || !m_echecDit) {
        m_echecDit = true;
        m_services.Boites.Ouvrir(TexteEchecEnregistrement(m_services.Reg.ErreurEcriture()), produit::Titre,
                                 IconeBoite::Avertissement, BoutonsBoite::Ok);
    }
    return false;
}

} // namespace pulsodex
