#pragma once
// Les sons du système qui accompagnent les boîtes et les alarmes.
#include <cstdint>

namespace pulsodex {

// Joue le son associé au code de MessageBeep (core/interfaces/Presentateur.h :
// SonErreur, SonQuestion, SonExclamation, SonInformation ; un autre code, le
// son par défaut ; 0, aucun). Faux quand le système n'a pu le jouer : à
// l'appelant de faire un bip.
bool JouerSonSysteme(std::uint16_t son) noexcept;

} // namespace pulsodex
