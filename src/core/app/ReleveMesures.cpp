#include "core/app/ReleveMesures.h"

#include "core/app/CycleRafraichissement.h"
#include "core/app/DisquesFenetre.h"
#include "core/commun/LettresLecteurs.h"
#include "core/config/TConfig.h"
#include "core/probes/CarteLecteurs.h"

namespace pulsodex {

void RemplirReleve(ReleveMesures& r, const TConfig& c, const StatutMemoire& memoire, const Echantillons& e,
                   const DisquesFenetre& disques, const CarteLecteurs& carte, int alarmesTenues) {
    r.Pret = true;
    r.Memoire = memoire;
    r.ChargeCpu = c.ChargeProcesseur ? std::optional(e.ChargeCpu) : std::nullopt;
    r.ChargeCpuMoyenne = c.MoyenneChargeProcesseur ? std::optional(e.ChargeCpuMoyenne) : std::nullopt;
    std::size_t n = 0;
    for (int emplacement = 1; emplacement <= disques.Nombre(); ++emplacement) {
        const TDisque& d = *disques.Disque(emplacement);
        if (d.Lecteur == 0) {
            continue; // le total : Prometheus fait ses sommes
        }
        if (r.Lecteurs.size() <= n) {
            r.Lecteurs.emplace_back();
        }
        LecteurReleve& l = r.Lecteurs[n++];
        l.Lettre = LettreDuLecteur(d.Lecteur);
        l.Dossier = carte.Chemin(d.Lecteur);
        // Un lecteur qui n'a pas répondu garde une taille négative jusqu'à sa reprise.
        l.Repond = d.Taille >= 0 && d.LegendeEchec.empty();
        l.Libre = l.Repond ? d.Libre : 0;
        l.Taille = l.Repond ? d.Taille : 0;
    }
    r.Lecteurs.resize(n);
    r.AlarmesTenues = alarmesTenues;
}

} // namespace pulsodex
