#pragma once
// Les sons du système (core/plateforme/Sons.h) ; un simple bip sans eux.
#include <cstdint>

namespace pulsodex {

// Un des codes Son… de Presentateur.h ; 0 : rien.
void JouerSon(std::uint16_t son);

} // namespace pulsodex
