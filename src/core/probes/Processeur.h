#pragma once
// Charge du processeur : fractions d'occupation entre deux relevés de
// /proc/stat, une par processeur, puis celle de l'ensemble en dernier.
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/plateforme/SourceCpu.h"

namespace pulsodex {

// Lit les lignes « cpuN » puis la ligne « cpu » (l'ensemble, rangée en
// dernier) ; guest et guest_nice, déjà comptés dans user et nice, ne sont pas
// ajoutés. Faux si aucune ligne « cpu » complète n'est lue. Le vecteur garde
// sa capacité : pas d'allocation d'un relevé à l'autre.
bool LireStat(std::string_view texte, std::vector<CompteursCpu>& instances);

class EchantillonneurCpu {
public:
    explicit EchantillonneurCpu(SourceCpu& source) : m_source(source) {}

    void SampleCpuCounters();
    [[nodiscard]] int CpuInstanceCount();
    // Occupation de l'instance entre les deux derniers relevés (1 = 100 %).
    [[nodiscard]] double CpuInstanceUsage(int instance);
    // Un relevé ; la charge de la dernière instance (l'ensemble), en %.
    int GetCpuLoad();

private:
    SourceCpu& m_source;
    std::vector<CompteursCpu> m_courant;
    std::vector<CompteursCpu> m_precedent;
    std::vector<CompteursCpu> m_lecture;
};

} // namespace pulsodex
