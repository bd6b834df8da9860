#pragma once
#include <cstdint>
#include <string>

#include "core/config/Enumerations.h"

namespace pulsodex {

// Police des bandes : nom, style, taille en points, couleur.
struct Police {
    std::string Nom = "MS Sans Serif";
    std::uint8_t Style = StyleStandard;
    std::int32_t Taille = 8;
    std::int32_t Couleur = 0;
    friend bool operator==(const Police&, const Police&) = default;
};

} // namespace pulsodex
