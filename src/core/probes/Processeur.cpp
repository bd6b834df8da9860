#include "core/probes/Processeur.h"

#include <cmath>

#include "core/commun/Erreur.h"
#include "core/commun/Trace.h"

namespace pulsodex {

namespace {
bool LireNombre(std::string_view& reste, std::uint64_t& valeur) {
    while (!reste.empty() && reste.front() == ' ') {
        reste.remove_prefix(1);
    }
    if (reste.empty() || reste.front() < '0' || reste.front() > '9') {
        return false;
    }
    valeur = 0;
    while (!reste.empty() && reste.front() >= '0' && reste.front() <= '9') {
        valeur = valeur * 10 + static_cast<std::uint64_t>(reste.front() - '0');
        reste.remove_prefix(1);
    }
    return true;
}

// Soustraction saturée : un compteur qui recule (reprise après veille,
// processeur remis en ligne) ne donne jamais de valeur énorme.
std::uint64_t Ecart(std::uint64_t courant, std::uint64_t precedent) {
    return courant > precedent ? courant - precedent : 0;
}
} // namespace

bool LireStat(std::string_view texte, std::vector<CompteursCpu>& instances) {
    instances.clear();
    CompteursCpu ensemble;
    bool ensembleLu = false;
    while (!texte.empty()) {
        std::size_t fin = texte.find('\n');
        const bool complete = fin != std::string_view::npos;
        std::string_view ligne = texte.substr(0, complete ? fin : texte.size());
        texte.remove_prefix(complete ? fin + 1 : texte.size());
        if (!ligne.starts_with("cpu")) {
            // Les lignes « cpu » viennent en tête : la suite ne sert pas.
            if (ensembleLu) {
                break;
            }
            continue;
        }
        if (!complete) {
            break; // ligne tronquée
        }
        std::string_view reste = ligne.substr(3);
        const bool estEnsemble = !reste.empty() && reste.front() == ' ';
        while (!reste.empty() && reste.front() != ' ') {
            reste.remove_prefix(1);
        }
        // user nice system idle iowait irq softirq steal [guest guest_nice]
        std::uint64_t champs[8] = {};
        int lus = 0;
        while (lus < 8 && LireNombre(reste, champs[lus])) {
            ++lus;
        }
        if (lus < 4) {
            continue;
        }
        CompteursCpu c;
        for (int i = 0; i < lus; ++i) {
            c.Total += champs[i];
        }
        c.Inactif = champs[3] + (lus > 4 ? champs[4] : 0);
        if (estEnsemble) {
            ensemble = c;
            ensembleLu = true;
        } else {
            instances.push_back(c);
        }
    }
    if (!ensembleLu) {
        instances.clear();
        return false;
    }
    instances.push_back(ensemble);
    return true;
}

void EchantillonneurCpu::SampleCpuCounters() {
    if (!m_source.Lire(m_lecture)) {
        // Relevé raté : même état qu'au précédent, soit une charge nulle.
        m_precedent = m_courant;
        return;
    }
    if (m_lecture.size() != m_courant.size()) {
        // Premier relevé, ou processeurs ajoutés ou retirés : on repart de là.
        m_courant = m_lecture;
        m_precedent = m_lecture;
    } else {
        m_precedent.swap(m_courant);
        m_courant.swap(m_lecture);
    }
}

int EchantillonneurCpu::CpuInstanceCount() {
    if (m_courant.empty()) { // jamais relevé avec succès
        SampleCpuCounters();
    }
    return static_cast<int>(m_courant.size());
}

double EchantillonneurCpu::CpuInstanceUsage(int instance) {
    if (m_courant.empty()) { // jamais relevé avec succès
        SampleCpuCounters();
    }
    if (instance < 0 || instance >= static_cast<int>(m_courant.size())) {
        throw Erreur("CPU index out of bounds");
    }
    const auto i = static_cast<std::size_t>(instance);
    const std::uint64_t total = Ecart(m_courant[i].Total, m_precedent[i].Total);
    if (total == 0) {
        return 0.0;
    }
    const std::uint64_t inactif = Ecart(m_courant[i].Inactif, m_precedent[i].Inactif);
    if (inactif >= total) {
        return 0.0;
    }
    return 1.0 - static_cast<double>(inactif) / static_cast<double>(total);
}

int EchantillonneurCpu::GetCpuLoad() {
    TraceProcedure trace("GetCpuLoad");
    SampleCpuCounters();
    // Sans relevé réussi, pas de second essai dans le même appel.
    const int n = static_cast<int>(m_courant.size());
    if (n == 0) {
        return 0;
    }
    return static_cast<int>(std::nearbyint(CpuInstanceUsage(n - 1) * 100.0));
}

} // namespace pulsodex
