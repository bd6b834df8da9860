#pragma once
// Mémoire : les cinq chiffres de l'état de la mémoire et les pourcentages.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/plateforme/SourceMemoire.h"

namespace pulsodex {

// Lecture de /proc/meminfo (texte) sans allocation : MemTotal, MemAvailable
// (à défaut MemFree + Buffers + Cached), SwapTotal, SwapFree. Rien si
// MemTotal manque ou vaut 0.
std::optional<StatutMemoire> LireMeminfo(std::string_view texte);

// Sondes de la mémoire : chacune relit la source.
class SondesMemoire {
public:
    explicit SondesMemoire(SourceMemoire& source) : m_source(source) {}

    // Les cinq chiffres d'un même relevé.
    StatutMemoire Releve();
    std::int64_t GetMaxMem();
    std::int64_t GetMaxRealMem();
    std::int64_t GetCurrentMem();
    std::int64_t GetCurrentRealMem();
    std::uint8_t GetMemoryLoad();
    // Part de mémoire libre échantillonnée dans un total.
    static std::uint8_t GetMemPercent(std::int64_t memLibre, std::int64_t total);

private:
    SourceMemoire& m_source;
};

// Pourcentage arrondi de part dans total : 0 sous 0,5 % ou au-dessus de 100 %,
// sinon l'entier le plus proche, moitiés vers le haut.
std::uint8_t PourcentageArrondi(double part, double total);

} // namespace pulsodex
