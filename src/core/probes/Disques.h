#pragma once
// Les trois questions sur un lecteur (espace libre, taille, genre), posées par
// le fil de l'interface sans jamais l'arrêter : l'espace d'un montage local qui
// le tient en mémoire est lu directement (voir EspaceDirect.h) ; sinon il vient
// du releveur, qui relève tous ces chemins à la cadence de la fenêtre.
#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/commun/LettresLecteurs.h"
#include "core/probes/CarteLecteurs.h"
#include "core/probes/InterfacesDisques.h"
#include "core/probes/Releveur.h"

namespace pulsodex {

// Vrai sous Linux : l'espace se lit toujours sur 64 bits.
bool DiskExtensions();

// À n'utiliser que depuis un seul fil (celui de l'interface). Les sources de
// montages et de blocs doivent vivre plus longtemps que l'objet ; la sonde
// d'espace est partagée avec les fils qui peuvent lui survivre.
//
// Pendant un tic (LectureDuTic), chaque lecteur n'est lu qu'une fois : le
// panneau et toutes les règles d'avertissement qui le nomment partagent cette
// réponse.
class SondeDisques : public EspaceLecteurs {
public:
    SondeDisques(CarteLecteurs carte, SourceMontages& montages, const InfosBlocs& blocs,
                 std::shared_ptr<SondeEspace> sonde, std::chrono::milliseconds delai = DelaiSonde);
    ~SondeDisques() override;
    SondeDisques(const SondeDisques&) = delete;
    SondeDisques& operator=(const SondeDisques&) = delete;

    [[nodiscard]] const CarteLecteurs& Carte() const { return m_carte; }
    // Nouvelle carte (après la boîte de configuration) ; le releveur oublie les
    // chemins qui n'ont plus de lettre, sauf ceux dont le relevé est en cours.
    void ChangerCarte(CarteLecteurs carte);
    // Période des relevés de chaque chemin (celle du rafraîchissement) ; nulle :
    // un relevé à chaque question.
    void FixerCadence(std::chrono::milliseconds cadence);

    // Octets libres et taille du lecteur (1 = A .. 26 = Z), -1 en cas d'échec.
    std::int64_t MyDiskFree(std::uint8_t lecteur);
    std::int64_t MyDiskSize(std::uint8_t lecteur);
    // Les deux chiffres d'une seule interrogation.
    ReponseSonde Espace(std::uint8_t lecteur) override;
    // Le libellé du genre du lecteur (voir GenresDisques.h).
    std::string GetDriveType32(std::uint8_t lecteur);
    // Le même, pour un lecteur qui vient de répondre : son dossier existe, il
    // n'est pas interrogé de nouveau.
    std::string_view GenreRepondant(std::uint8_t lecteur);

    // Les montages en cours qu'on peut proposer pour une lettre.
    std::vector<Montage> MontagesAChoisir();
    // Nombre de chemins confiés au releveur.
    [[nodiscard]] std::size_t NombreSondes() const { return m_releveur.NombreChemins(); }
    // Relevés, réveils, tournées et fils du releveur.
    [[nodiscard]] Releveur::Compteurs Bilan() const { return m_releveur.Bilan(); }

    // Le temps d'un tic : chaque lecteur n'est lu qu'une fois.
    class LectureDuTic {
    public:
        explicit LectureDuTic(SondeDisques& disques) : m_disques(disques) { m_disques.OublierTic(true); }
        ~LectureDuTic() { m_disques.OublierTic(false); }
        LectureDuTic(const LectureDuTic&) = delete;
        LectureDuTic& operator=(const LectureDuTic&) = delete;

    private:
        SondeDisques& m_disques;
    };

private:
    // Où se trouve un chemin : son montage, ou le montage prévu non monté.
    struct Situation {
        const Montage* Lieu = nullptr;
        bool NonMonte = false; // point de fstab qui n'est pas monté
        const TableMontages* Table = nullptr;
    };
    Situation Situer(const std::string& chemin);
    // Ce qu'on sait d'un montage (ou d'un point prévu), établi une fois par
    // version de la table : son genre, et si son espace se lit sur ce fil.
    struct MontageConnu {
        std::string Genre;
        bool Direct = false;
    };
    const MontageConnu& Connaitre(const Situation& s);
    // L'espace de ce chemin est-il lu sur ce fil ? Seulement au point même d'un
    // montage direct ; un chemin trop lent une fois passe pour de bon par son fil.
    bool Direct(const std::string& chemin, const Situation& s);
    ReponseSonde InterrogerDirect(const std::string& chemin);
    ReponseSonde Lire(std::uint8_t lecteur);
    // Valable jusqu'à la question suivante : le tic compare sans copier.
    std::string_view GenreDe(std::uint8_t lecteur, bool verifierDossier);
    // Vide les réponses du tic ; dansTic : les suivantes sont gardées jusqu'au
    // prochain appel.
    void OublierTic(bool dansTic);

    CarteLecteurs m_carte;
    SourceMontages& m_montages;
    const InfosBlocs& m_blocs;
    std::shared_ptr<SondeEspace> m_sonde;
    std::chrono::milliseconds m_delai;
    Releveur m_releveur;
    // Les réponses du tic en cours, par lecteur (1 = A .. 26 = Z).
    std::array<std::optional<ReponseSonde>, NombreLecteurs + 1> m_tic{};
    bool m_dansTic = false;
    // Par point de montage, pour une version de la table.
    std::map<std::string, MontageConnu, std::less<>> m_connus;
    std::uint64_t m_versionConnus = 0;
    std::set<std::string, std::less<>> m_lents; // chemins trop lents à lire directement
};

} // namespace pulsodex
