#pragma once
// Échantillons courants et dernières valeurs dessinées du cycle de
// rafraîchissement : dit quelles jauges redessiner.
#include <cstdint>
#include <string>

#include "core/app/HistoriqueCpu.h"
#include "core/probes/Memoire.h"

namespace pulsodex {

class TConfig;
class SondesMemoire;
class EchantillonneurCpu;

struct Echantillons {
    std::uint8_t ChargeCpu = 0;
    std::uint8_t ChargeCpuMoyenne = 0;
    std::uint8_t TauxMemoire = 0;
    std::int64_t MemLibre = 0;
    std::int64_t MemPhysiqueLibre = 0;
    // Totaux relus au même relevé, pour les pourcentages des jauges.
    std::int64_t TotalMem = 0;
    std::int64_t TotalRealMem = 0;
};

struct Redessins {
    bool Cpu = false;
    bool CpuMoy = false;
    bool MemoryLoad = false;
    bool Mem = false;
    bool RealMem = false;
    friend bool operator==(const Redessins&, const Redessins&) = default;
};

class CycleRafraichissement {
public:
    CycleRafraichissement(SondesMemoire& memoire, EchantillonneurCpu& processeur)
        : m_memoire(memoire), m_processeur(processeur) {}

    // Valeurs impossibles : tout sera dessiné au prochain cycle.
    void Reinitialiser();
    // Relève ce que les bandes affichées demandent ; une sonde n'est appelée
    // que pour une bande affichée.
    Redessins Echantillonner(const TConfig& config);

    [[nodiscard]] const Echantillons& Courants() const { return m_courants; }
    // Le relevé de la mémoire de ce tic (bandes et avertissements).
    [[nodiscard]] const StatutMemoire& Memoire() const { return m_memoireReleve; }

private:
    SondesMemoire& m_memoire;
    EchantillonneurCpu& m_processeur;
    Echantillons m_courants;
    std::uint8_t m_derniereChargeCpu = 101;
    std::uint8_t m_derniereChargeCpuMoyenne = 101;
    std::uint8_t m_dernierTauxMemoire = 101;
    std::int64_t m_derniereMemLibre = -1;
    std::int64_t m_derniereMemPhysiqueLibre = -1;
    HistoriqueCpu m_historique;
    StatutMemoire m_memoireReleve;
};

// Le marqueur existe-t-il ? Il est supprimé en même temps : un marqueur qui
// ne peut être supprimé n'est pas pris en compte (il ne fermerait pas
// chaque lancement suivant).
bool ConsommerMarqueur(const std::string& chemin) noexcept;

inline constexpr const char* MarqueurQuitter = "Pulsodex.quit";
inline constexpr const char* MarqueurRedemarrer = "Pulsodex.restart";

} // namespace pulsodex
