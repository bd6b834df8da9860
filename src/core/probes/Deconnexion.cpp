#include "core/probes/Deconnexion.h"

#include <cerrno>

#include "core/commun/Trace.h"
#include "core/probes/GenresDisques.h"

namespace pulsodex {

std::string TexteDeconnexion(std::uint32_t code) {
    switch (code) {
    case ErreurNonConnecte:
        return "Cette unité n'est pas connectée.";
    case ErreurFichiersOuverts:
        return "L'unité ne peut être déconnectée car des fichiers y sont ouverts.";
    case ErreurUniteOccupee:
        return "L'unité ne peut être déconnectée car elle est en cours d'utilisation.";
    // Un refus ne passe pas pour un succès.
    case ErreurAccesRefuse:
        return "Vous n'avez pas le droit de déconnecter cette unité.";
    case ErreurEtendue:
        return "L'unité n'a pas pu être déconnectée.";
    default:
        return {};
    }
}

Deconnexion::Deconnexion(Executeur& executeur, SourceMontages& montages,
                         std::function<bool(std::string_view)> fichiersOuverts,
                         std::chrono::milliseconds delai)
    : m_executeur(executeur), m_montages(montages), m_fichiersOuverts(std::move(fichiersOuverts)),
      m_delai(delai) {}

ResultatProgramme Deconnexion::Demonter(const Montage& m) {
    // Messages en anglais : on les lit pour connaître la cause d'un échec.
    CommandeProgramme commande{{}, {"LC_ALL=C"}, m_delai};
    if (m.Type == "fuse" || m.Type.starts_with("fuse.")) {
        ResultatProgramme r;
        for (const char* programme : {"fusermount3", "fusermount"}) {
            commande.Arguments = {programme, "-u", m.Point};
            r = m_executeur.Executer(commande);
            if (r.Lance || r.ErreurLancement != ENOENT) {
                break;
            }
        }
        return r;
    }
    commande.Arguments = {"umount", m.Point};
    return m_executeur.Executer(commande);
}

std::uint32_t Deconnexion::Echec(const ResultatProgramme& r, const std::string& point) {
    const std::string& e = r.Erreurs;
    auto contient = [&](std::string_view mot) {
        return e.find(mot) != std::string::npos;
    };
    if (contient("busy")) {
        return m_fichiersOuverts && m_fichiersOuverts(point) ? ErreurFichiersOuverts : ErreurUniteOccupee;
    }
    if (contient("not mounted") || contient("not found") || contient("no mount point") ||
        contient("Invalid argument")) {
        return ErreurNonConnecte;
    }
    if (contient("superuser") || contient("not permitted") || contient("Permission denied")) {
        return ErreurAccesRefuse;
    }
    // Cause inconnue, mais le point a disparu : il n'était plus monté.
    return MontageAuPoint(m_montages.Table().Montes, point) == nullptr ? ErreurNonConnecte : ErreurEtendue;
}

std::uint32_t Deconnexion::WNetCancelConnection2A(const CarteLecteurs& carte, std::string_view nomLocal) {
    TraceProcedure trace("WNetCancelConnection2A");
    if (nomLocal.size() != 2 || nomLocal[1] != ':') {
        return ErreurPeripherique;
    }
    const std::string& chemin = carte.CheminLettre(nomLocal[0]);
    if (chemin.empty()) {
        return ErreurNonConnecte;
    }
    // Copie : la table peut être relue pendant l'attente.
    const Montage* trouve = MontageDe(m_montages.Table().Montes, chemin);
    if (trouve == nullptr || !EstReseau(*trouve)) {
        return ErreurNonConnecte;
    }
    const Montage montage = *trouve;
    const ResultatProgramme r = Demonter(montage);
    if (!r.Lance) {
        return ErreurEtendue;
    }
    if (!r.Termine) {
        // Le démontage reste pendu (serveur mort) : l'unité est occupée.
        return ErreurUniteOccupee;
    }
    return r.Code == 0 ? DeconnexionReussie : Echec(r, montage.Point);
}

} // namespace pulsodex
