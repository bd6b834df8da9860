#pragma once
// Les six bandes fixes de la fenêtre, dans leur ordre de conception : clé
// (-1 à -6), noms des contrôles, bulle et jauge. Les lecteurs suivent, avec
// les clés 1 à n de leurs emplacements.
#include <array>
#include <vector>

#include "core/app/Jauge.h"

namespace pulsodex {

class TConfig;

struct BandeFixe {
    int Cle;
    const char* Panneau;
    const char* Boite; // nul : la bande de la date n'a pas de jauge
    const char* Bulle;
    JaugeFixe Jauge; // sans objet pour la date
};

inline constexpr std::array<BandeFixe, 6> BandesFixes = {{
    {-1, "DateHeurePanel", nullptr, "Date et/ou Heure", JaugeFixe::Mem},
    {-2, "MemPanel", "MemPaintBox", "", JaugeFixe::Mem},
    {-4, "MemoryLoadPanel", "MemoryLoadPaintBox", "Taux d'utilisation mémoire", JaugeFixe::MemoryLoad},
    {-3, "RealMemPanel", "RealMemPaintBox", "", JaugeFixe::RealMem},
    {-5, "CpuPanel", "CpuPaintBox", "Taux d'utilisation processeur", JaugeFixe::Cpu},
    {-6, "CpuMoyPanel", "CpuMoyPaintBox", "Taux moyen d'utilisation processeur ", JaugeFixe::CpuMoy},
}};

// La bande fixe de cette clé est montrée (la date : Date ou Heure).
[[nodiscard]] bool BandeFixeVisible(int cle, const TConfig& config);
// Une bande au moins demande le rafraîchissement (mémoire, processeur, lecteur).
[[nodiscard]] bool BandeEchantillonnee(const TConfig& config);
// Les clés de toutes les bandes : les fixes de -1 à -6, puis les lecteurs 1 à n.
[[nodiscard]] std::vector<int> ClesDesBandes(int nombreDisques);
// Les mêmes sans les bandes fixes cachées : l'ordre des arrangements.
[[nodiscard]] std::vector<int> ClesCanoniques(int nombreDisques, const TConfig& config);

} // namespace pulsodex
