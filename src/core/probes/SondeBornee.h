#pragma once
// Sonde d'espace d'un chemin, tenue par un fil qui lui est propre, créé à la
// première question et gardé. Le fil relève l'espace à la cadence du
// rafraîchissement, juste avant le tic attendu, et garde sa dernière réponse :
// une question la lit aussitôt, sans passage de relais. Sans réponse assez
// récente (première question, cadence arrêtée faute de questions, cadence
// nulle), la question demande un relevé et l'attend au plus le délai. Un relevé
// bloqué dans le noyau plus longtemps que le délai fait échouer les questions
// aussitôt, sans lancer d'autre fil, jusqu'à ce qu'il rende la main.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "core/probes/InterfacesDisques.h"

namespace pulsodex {

inline constexpr std::chrono::milliseconds DelaiSonde{300};
// Périodes sans question au bout desquelles le fil cesse de relever (fenêtre
// cachée, minuteur arrêté, lettre retirée) ; la question suivante le relance.
inline constexpr int PeriodesSansQuestion = 3;

class SondeBornee {
public:
    SondeBornee(std::shared_ptr<SondeEspace> sonde, std::string chemin,
                std::chrono::milliseconds delai = DelaiSonde);
    // N'attend jamais une sonde bloquée : son fil est laissé à lui-même et ne
    // touche plus que l'état partagé.
    ~SondeBornee();
    SondeBornee(const SondeBornee&) = delete;
    SondeBornee& operator=(const SondeBornee&) = delete;

    // Période des relevés du fil. Nulle (par défaut) : pas de relevé de
    // lui-même, chaque question attend un relevé neuf.
    void FixerCadence(std::chrono::milliseconds cadence);

    // La dernière réponse si elle a au plus deux périodes ; sinon un relevé
    // neuf, attendu au plus le délai (Delai au-delà). Occupee quand le relevé
    // en cours dure depuis plus que le délai.
    ReponseSonde Interroger();
    // Un relevé est-il demandé ou en cours ?
    [[nodiscard]] bool Occupee() const;

    // Ce qu'a fait le fil : relevés achevés, retours de ses attentes, et s'il
    // suit une cadence (faux au repos).
    struct Compteurs {
        std::uint64_t Releves = 0;
        std::uint64_t Reveils = 0;
        bool EnCadence = false;
    };
    [[nodiscard]] Compteurs Bilan() const;

private:
    struct Etat;
    static void Boucle(const std::shared_ptr<Etat>& etat);

    std::shared_ptr<Etat> m_etat;
    std::chrono::milliseconds m_delai;
    std::thread m_fil;
};

} // namespace pulsodex
