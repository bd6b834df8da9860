#pragma once
// Les sons du bureau (thème de sons freedesktop) ; un simple bip sans eux.
#include <cstdint>

namespace pulsodex {

// 0x30 avertissement, 0x40 information, 0x20 question, 0x10 erreur ; 0 rien.
void JouerSon(std::uint16_t son);
// Le nom du son freedesktop de ce code ; nul pour 0.
const char* NomSon(std::uint16_t son);

} // namespace pulsodex
