#include "core/app/CycleRafraichissement.h"

#include <algorithm>
#include <cstdio>

#include "core/config/TConfig.h"
#include "core/probes/Memoire.h"
#include "core/probes/Processeur.h"

namespace pulsodex {

void CycleRafraichissement::Reinitialiser() {
    m_derniereChargeCpu = 101;
    m_derniereChargeCpuMoyenne = 101;
    m_dernierTauxMemoire = 101;
    m_derniereMemLibre = -1;
    m_derniereMemPhysiqueLibre = -1;
}

Redessins CycleRafraichissement::Echantillonner(const TConfig& c) {
    Redessins r;
    if (c.ChargeProcesseur || c.MoyenneChargeProcesseur) {
        m_courants.ChargeCpu = static_cast<std::uint8_t>(std::clamp(m_processeur.GetCpuLoad(), 0, 100));
    }
    if (c.ChargeProcesseur) {
        r.Cpu = m_courants.ChargeCpu != m_derniereChargeCpu;
        m_derniereChargeCpu = m_courants.ChargeCpu;
    }
    if (c.MoyenneChargeProcesseur) {
        m_courants.ChargeCpuMoyenne =
            m_historique.MoyenneCpu(m_courants.ChargeCpu, c.TempsMoyenneChargeProcesseur, c.Rafraichissement);
        r.CpuMoy = m_courants.ChargeCpuMoyenne != m_derniereChargeCpuMoyenne;
        m_derniereChargeCpuMoyenne = m_courants.ChargeCpuMoyenne;
    }
    // Un seul relevé de la mémoire par tic pour les trois bandes et les
    // règles d'avertissement (évaluées même quand leurs bandes sont cachées).
    const bool regleMemoire =
        std::any_of(c.Avertissements.begin(), c.Avertissements.end(),
                    [](const TAvertissement& r) { return r.Ressource != Ressource::Disque; });
    StatutMemoire& memoire = m_memoireReleve;
    if (c.MemoryLoad || c.Mem || c.MemPhysique || regleMemoire) {
        memoire = m_memoire.Releve();
        m_courants.TotalMem = memoire.TotalPageFile;
        m_courants.TotalRealMem = memoire.TotalPhys;
    }
    if (c.MemoryLoad) {
        m_courants.TauxMemoire = memoire.MemoryLoad;
        r.MemoryLoad = m_courants.TauxMemoire != m_dernierTauxMemoire;
        m_dernierTauxMemoire = m_courants.TauxMemoire;
    }
    if (c.Mem) {
        m_courants.MemLibre = memoire.AvailPageFile;
        r.Mem = m_courants.MemLibre != m_derniereMemLibre;
        m_derniereMemLibre = m_courants.MemLibre;
    }
    if (c.MemPhysique) {
        m_courants.MemPhysiqueLibre = memoire.AvailPhys;
        r.RealMem = m_courants.MemPhysiqueLibre != m_derniereMemPhysiqueLibre;
        m_derniereMemPhysiqueLibre = m_courants.MemPhysiqueLibre;
    }
    return r;
}

bool ConsommerMarqueur(const std::string& chemin) noexcept {
    // std::remove : sans allocation, le tic n'en fait aucune.
    return std::remove(chemin.c_str()) == 0;
}

} // namespace pulsodex
