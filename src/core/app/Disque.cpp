#include "core/app/Disque.h"

#include "core/commun/LettresLecteurs.h"
#include "core/commun/Trace.h"
#include "core/probes/Disques.h"
#include "core/probes/Formats.h"
#include "core/probes/GenresDisques.h"
#include "core/probes/InterfacesDisques.h"

namespace pulsodex {

TDisque::TDisque(int emplacement, std::uint8_t lecteur, bool avecActivite, SondeDisques& sonde,
                 const FormatNombres& format)
    : Numero(emplacement), AvecActivite(avecActivite), Lecteur(lecteur) {
    TraceProcedure trace("TDisque.Create");
    if (lecteur != 0) {
        Nom = sonde.GetDriveType32(lecteur);
        Bulle = Nom + ChaineTaille(Taille, format);
    } else {
        Nom = NomTotal;
        Bulle = Nom;
    }
    if (lecteur > 1) {
        Refresh(sonde, format);
    }
}

bool TDisque::Refresh(SondeDisques& sonde, const FormatNombres& format) {
    TraceProcedure trace("TDisque.Refresh");
    if (Attente > 0) {
        --Attente;
        if (Attente > 0) {
            return false;
        }
    }
    // Une seule interrogation bornée pour la taille et l'espace libre.
    const ReponseSonde reponse = sonde.Espace(Lecteur);
    if (reponse.Etat != EtatSonde::Ok || reponse.Taille < 0) {
        Taille = -1;
        Attente = AttenteApresEchec;
        return false;
    }
    // La bulle n'est refaite que si le genre ou la taille change : un tic
    // ordinaire n'alloue rien.
    const std::string_view nom = sonde.GenreRepondant(Lecteur);
    if (nom != Nom || reponse.Taille != Taille) {
        Nom = nom;
        Bulle = Nom + ChaineTaille(reponse.Taille, format);
    }
    Taille = reponse.Taille;
    Libre = reponse.Libre;
    return true;
}

namespace {
// Le témoin suit le sens du changement ; rien au premier relevé, ni au retour
// d'un lecteur qui ne répondait pas (ce n'est pas une suppression).
bool AllumerTemoin(TDisque& d, bool indicateur) {
    if (!indicateur || d.LibrePrecedent <= 0 || d.LibrePrecedent == d.Libre) {
        return false;
    }
    const Activite mode = d.LibrePrecedent > d.Libre ? Activite::Ecriture : Activite::Suppression;
    const bool change = d.Activite != mode;
    d.Activite = mode;
    return change;
}

// Sans changement : le témoin allumé au tic précédent s'éteint.
bool EteindreTemoin(TDisque& d, bool indicateur) {
    if (!indicateur || d.LibrePrecedent == d.LibreAvant || d.Activite == Activite::Repos) {
        return false;
    }
    d.Activite = Activite::Repos;
    return true;
}
} // namespace

ActionsDisque Traite_Disque(TDisque& d, SondeDisques& sonde, bool indicateur, const FormatNombres& format) {
    TraceProcedure trace("TPulsodexForm.Traite_Disque");
    ActionsDisque a;
    if (d.Lecteur == 0) {
        return a;
    }
    if (d.Refresh(sonde, format)) {
        if (!d.LegendeEchec.empty()) {
            d.LegendeEchec.clear();
            a.Repeindre = true;
        }
        if (d.Libre == d.LibrePrecedent) {
            a.ActiviteChangee = EteindreTemoin(d, indicateur);
        } else {
            a.ActiviteChangee = AllumerTemoin(d, indicateur);
            a.Repeindre = true;
        }
        d.LibreAvant = d.LibrePrecedent;
        d.LibrePrecedent = d.Libre;
        return a;
    }
    // Premier échec après un succès (ou tout premier tic) : une seule fois.
    if (d.LibrePrecedent > -1) {
        d.Bulle = d.Nom;
        const std::string lettre(1, LettreDuLecteur(d.Lecteur));
        const bool vide = d.Nom == DisqueAmovible || d.Nom == Cederom;
        d.LegendeEchec = lettre + (vide ? ": Vide" : ": Indisponible");
        d.LibrePrecedent = d.LibreAvant = d.Libre = d.Taille = -1;
        a.Repeindre = true;
        a.ProposerDeconnexion = d.Nom.starts_with(ConnexionReseau);
    }
    return a;
}

ActionsDisque TotaliserDisques(TDisque& total, const std::vector<const TDisque*>& lecteurs, bool indicateur,
                               const FormatNombres& format) {
    TraceProcedure trace("TPulsodexForm.MinuterieTimer");
    ActionsDisque a;
    const std::int64_t taillePrecedente = total.Taille;
    total.Libre = 0;
    total.Taille = 0;
    for (const TDisque* d : lecteurs) {
        if (d->Taille > 0) {
            total.Libre += d->Libre;
            total.Taille += d->Taille;
        }
    }
    if (total.Libre == total.LibrePrecedent && total.Taille == taillePrecedente) {
        a.ActiviteChangee = EteindreTemoin(total, indicateur);
    } else {
        a.ActiviteChangee = AllumerTemoin(total, indicateur);
        // La bulle ne suit que la taille : un tic ordinaire n'alloue rien.
        if (total.Taille != taillePrecedente) {
            total.Bulle = total.Nom + ChaineTaille(total.Taille, format);
        }
        a.Repeindre = true;
    }
    total.LibreAvant = total.LibrePrecedent;
    total.LibrePrecedent = total.Libre;
    return a;
}

std::string LegendeDisque(const TDisque& d, const FormatNombres& format) {
    if (!d.LegendeEchec.empty()) {
        return d.LegendeEchec;
    }
    return ChaineEspaceDisque(d.Lecteur, d.Libre, d.Taille, format);
}

} // namespace pulsodex
