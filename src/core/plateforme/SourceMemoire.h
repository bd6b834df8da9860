#pragma once
// Relevé de l'état de la mémoire : les cinq chiffres que donne le système.
#include <cstdint>

namespace pulsodex {

struct StatutMemoire {
    std::int64_t TotalPhys = 0;
    std::int64_t AvailPhys = 0;
    std::int64_t TotalPageFile = 0; // physique + échange
    std::int64_t AvailPageFile = 0;
    std::uint8_t MemoryLoad = 0; // pourcentage utilisé
    friend bool operator==(const StatutMemoire&, const StatutMemoire&) = default;
};

class SourceMemoire {
public:
    virtual ~SourceMemoire() = default;
    // Un relevé raté rend le dernier bon relevé (ou des zéros).
    virtual StatutMemoire Lire() = 0;
};

} // namespace pulsodex
