#include "core/probes/Disques.h"

#include <algorithm>

#include "core/commun/Trace.h"
#include "core/probes/EspaceDirect.h"

namespace pulsodex {

bool DiskExtensions() {
    TraceProcedure trace("DiskExtensions");
    return true;
}

SondeDisques::SondeDisques(CarteLecteurs carte, SourceMontages& montages, const InfosBlocs& blocs,
                           std::shared_ptr<SondeEspace> sonde, std::chrono::milliseconds delai)
    : m_carte(std::move(carte)), m_montages(montages), m_blocs(blocs), m_sonde(std::move(sonde)),
      m_delai(delai), m_releveur(m_sonde, delai) {}

SondeDisques::~SondeDisques() = default;

void SondeDisques::ChangerCarte(CarteLecteurs carte) {
    m_carte = std::move(carte);
    OublierTic(m_dansTic);
    m_releveur.Retenir([this](const std::string& chemin) {
        for (std::uint8_t lecteur = 1; lecteur <= NombreLecteurs; ++lecteur) {
            if (m_carte.Chemin(lecteur) == chemin) {
                return true;
            }
        }
        return false;
    });
}

void SondeDisques::FixerCadence(std::chrono::milliseconds cadence) {
    m_releveur.FixerCadence(cadence);
}

void SondeDisques::OublierTic(bool dansTic) {
    m_tic.fill(std::nullopt);
    m_dansTic = dansTic;
}

SondeDisques::Situation SondeDisques::Situer(const std::string& chemin) {
    const TableMontages& table = m_montages.Table();
    if (table.Version != m_versionConnus) {
        m_connus.clear();
        m_versionConnus = table.Version;
    }
    if (MontageAuPoint(table.Montes, chemin) == nullptr) {
        if (const Montage* prevu = MontageAuPoint(table.Prevus, chemin); prevu != nullptr && chemin != "/") {
            return {prevu, true, &table};
        }
    }
    return {MontageDe(table.Montes, chemin), false, &table};
}

const SondeDisques::MontageConnu& SondeDisques::Connaitre(const Situation& s) {
    auto it = m_connus.find(s.Lieu->Point);
    if (it == m_connus.end()) {
        const std::optional<PeripheriqueBloc> bloc = m_blocs.Chercher(*s.Lieu);
        MontageConnu connu{m_blocs.Genre(*s.Lieu, bloc),
                           EspaceSansAttente(s.Table->Montes, s.Lieu->Point, bloc && bloc->Amovible)};
        it = m_connus.emplace(s.Lieu->Point, std::move(connu)).first;
    }
    return it->second;
}

bool SondeDisques::Direct(const std::string& chemin, const Situation& s) {
    return s.Lieu != nullptr && !s.NonMonte && chemin == s.Lieu->Point && !m_lents.contains(chemin) &&
           Connaitre(s).Direct;
}

ReponseSonde SondeDisques::InterrogerDirect(const std::string& chemin) {
    const auto debut = std::chrono::steady_clock::now();
    ReponseSonde reponse;
    try {
        reponse = m_sonde->Interroger(chemin);
    } catch (...) {
        reponse = ReponseSonde{};
    }
    if (std::chrono::steady_clock::now() - debut > std::min(m_delai, LenteurDirecte)) {
        m_lents.insert(chemin);
    }
    return reponse;
}

ReponseSonde SondeDisques::Espace(std::uint8_t lecteur) {
    if (!m_dansTic || lecteur >= m_tic.size()) {
        return Lire(lecteur);
    }
    std::optional<ReponseSonde>& reponse = m_tic[lecteur];
    if (!reponse) {
        reponse = Lire(lecteur);
    }
    return *reponse;
}

ReponseSonde SondeDisques::Lire(std::uint8_t lecteur) {
    const std::string& chemin = m_carte.Chemin(lecteur);
    if (chemin.empty()) {
        return ReponseSonde{EtatSonde::Absent};
    }
    const Situation s = Situer(chemin);
    // Un point prévu mais non monté n'a pas de support ; un point autofs se
    // monterait si on l'interrogeait.
    if (s.NonMonte || (s.Lieu != nullptr && EstAutofs(*s.Lieu))) {
        return ReponseSonde{};
    }
    if (Direct(chemin, s)) {
        return InterrogerDirect(chemin);
    }
    return m_releveur.Interroger(chemin);
}

std::int64_t SondeDisques::MyDiskFree(std::uint8_t lecteur) {
    TraceProcedure trace("MyDiskFree");
    const ReponseSonde r = Espace(lecteur);
    return r.Etat == EtatSonde::Ok ? r.Libre : -1;
}

std::int64_t SondeDisques::MyDiskSize(std::uint8_t lecteur) {
    TraceProcedure trace("MyDiskSize");
    const ReponseSonde r = Espace(lecteur);
    return r.Etat == EtatSonde::Ok ? r.Taille : -1;
}

std::string SondeDisques::GetDriveType32(std::uint8_t lecteur) {
    TraceProcedure trace("GetDriveType32");
    return std::string(GenreDe(lecteur, true));
}

std::string_view SondeDisques::GenreRepondant(std::uint8_t lecteur) {
    return GenreDe(lecteur, false);
}

std::string_view SondeDisques::GenreDe(std::uint8_t lecteur, bool verifierDossier) {
    const std::string& chemin = m_carte.Chemin(lecteur);
    if (chemin.empty()) {
        return UniteInvalide;
    }
    const Situation s = Situer(chemin);
    if (s.Lieu == nullptr || EstAutofs(*s.Lieu)) {
        return UniteInconnue;
    }
    // Un dossier sous un point de montage : existe-t-il ? Une sonde bloquée ou
    // trop lente ne tranche pas ; on garde alors le genre du montage.
    if (verifierDossier && !s.NonMonte && chemin != s.Lieu->Point &&
        m_releveur.Interroger(chemin).Etat == EtatSonde::Absent) {
        return UniteInvalide;
    }
    return Connaitre(s).Genre;
}

std::vector<Montage> SondeDisques::MontagesAChoisir() {
    return MontagesProposes(m_montages.Table().Montes);
}

} // namespace pulsodex
