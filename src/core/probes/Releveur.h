#pragma once
// Le releveur : un seul fil relève l'espace de tous les chemins qui ne se
// lisent pas sur le fil de l'interface (partages réseau, FUSE, amovibles,
// dossiers), tous dans un même réveil, à la cadence du rafraîchissement,
// juste avant le tic attendu. Une question lit la dernière réponse de son
// chemin sans attendre ; sans réponse assez récente (premier relevé, cadence
// arrêtée faute de questions, cadence nulle), elle demande un relevé et
// l'attend au plus le délai.
//
// Un relevé bloqué dans le noyau (serveur mort) plus longtemps que le délai :
// le fil est laissé à ce chemin et un nouveau releveur prend les autres. Le
// chemin bloqué répond aussitôt « occupé », sans autre fil, jusqu'à ce que son
// relevé rende la main ; il n'y a jamais deux relevés en cours d'un chemin.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "core/probes/InterfacesDisques.h"

namespace pulsodex {

inline constexpr std::chrono::milliseconds DelaiSonde{300};
// Périodes sans question au bout desquelles un chemin n'est plus relevé
// (fenêtre cachée, minuteur arrêté, lecteur en attente après un échec) ; sa
// question suivante le reprend. Sans chemin à relever, le fil se repose.
inline constexpr int PeriodesSansQuestion = 3;

class Releveur {
public:
    explicit Releveur(std::shared_ptr<SondeEspace> sonde, std::chrono::milliseconds delai = DelaiSonde);
    // N'attend jamais un relevé bloqué : les fils sont laissés à eux-mêmes et
    // ne touchent plus que l'état partagé.
    ~Releveur();
    Releveur(const Releveur&) = delete;
    Releveur& operator=(const Releveur&) = delete;

    // Période des relevés. Nulle (par défaut) : pas de relevé sans question,
    // chaque question attend un relevé neuf.
    void FixerCadence(std::chrono::milliseconds cadence);

    // La dernière réponse du chemin si elle a au plus deux périodes ; sinon un
    // relevé neuf, attendu au plus le délai (Delai au-delà). Occupee quand le
    // relevé en cours du chemin dure depuis plus que le délai. Le chemin est
    // pris en charge à sa première question.
    ReponseSonde Interroger(const std::string& chemin);

    // Oublie les chemins que garder refuse ; un chemin dont le relevé est en
    // cours est oublié quand il rend la main (ou gardé s'il est redemandé).
    void Retenir(const std::function<bool(const std::string&)>& garder);
    [[nodiscard]] std::size_t NombreChemins() const;

    // Ce qu'ont fait les fils : relevés achevés, réveils du releveur, tournées
    // de la cadence, s'il suit une cadence (faux au repos, une fois les relevés
    // de la dernière tournée faits) et fils en vie (le releveur et ceux laissés
    // à un relevé bloqué).
    struct Compteurs {
        std::uint64_t Releves = 0;
        std::uint64_t Reveils = 0;
        std::uint64_t Tournees = 0;
        bool EnCadence = false;
        int Fils = 0;
    };
    [[nodiscard]] Compteurs Bilan() const;

private:
    struct Chemin;
    struct Etat;
    static void Boucle(const std::shared_ptr<Etat>& etat, std::uint64_t generation);
    // Sous le verrou : un releveur pour la génération courante, s'il n'en a pas.
    void Lancer();
    // Sous le verrou : le releveur bloqué depuis le délai sur un autre chemin
    // que celui-ci est laissé à son relevé ; un nouveau prend la suite.
    void Relayer(std::chrono::steady_clock::time_point maintenant, const Chemin* demandeur);

    std::shared_ptr<Etat> m_etat;
    std::chrono::milliseconds m_delai;
    std::thread m_fil; // le releveur de la génération courante
};

} // namespace pulsodex
