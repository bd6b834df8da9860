#pragma once
// Sonde d'espace d'un chemin, interrogée avec un délai par un fil qui lui est
// propre. Un seul fil par chemin, créé à la première question et gardé : une
// question sur un disque sain ne coûte qu'un passage de relais entre deux fils.
// Quand une sonde reste bloquée dans le noyau, les questions suivantes échouent
// aussitôt sans lancer d'autre fil, jusqu'à ce qu'elle rende la main.
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "probes/InterfacesDisques.h"

namespace pulsodex {

inline constexpr std::chrono::milliseconds DelaiSonde{300};

class SondeBornee {
public:
    SondeBornee(std::shared_ptr<SondeEspace> sonde, std::string chemin,
                std::chrono::milliseconds delai = DelaiSonde);
    // N'attend jamais une sonde bloquée : son fil est laissé à lui-même et ne
    // touche plus que l'état partagé.
    ~SondeBornee();
    SondeBornee(const SondeBornee&) = delete;
    SondeBornee& operator=(const SondeBornee&) = delete;

    // Pose la question et attend la réponse au plus le délai.
    ReponseSonde Interroger();
    // Une question est-elle encore en cours (sonde bloquée) ?
    [[nodiscard]] bool Occupee() const;

private:
    struct Etat;
    static void Boucle(const std::shared_ptr<Etat>& etat);

    std::shared_ptr<Etat> m_etat;
    std::chrono::milliseconds m_delai;
    std::thread m_fil;
};

} // namespace pulsodex
