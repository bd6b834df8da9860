#pragma once
// Compteurs du processeur que donne le système : une instance par processeur,
// puis l'ensemble en dernier.
#include <cstdint>
#include <vector>

namespace pulsodex {

// Compteurs cumulés d'une instance : le temps total et le temps inactif
// (sous Linux idle + iowait), en unités du système.
struct CompteursCpu {
    std::uint64_t Total = 0;
    std::uint64_t Inactif = 0;
    friend bool operator==(const CompteursCpu&, const CompteursCpu&) = default;
};

class SourceCpu {
public:
    virtual ~SourceCpu() = default;
    // Faux quand le relevé a échoué. Le vecteur garde sa capacité d'un relevé à l'autre.
    virtual bool Lire(std::vector<CompteursCpu>& instances) = 0;
};

} // namespace pulsodex
