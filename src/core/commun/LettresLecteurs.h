#pragma once
// Un lecteur se désigne par sa lettre (A à Z) ou par son numéro (1 = A …
// 26 = Z) ; le numéro 0 n'a pas de lettre (le total des lecteurs).
#include <cstdint>

namespace pulsodex {

inline constexpr std::uint8_t NombreLecteurs = 26;

// La lettre majuscule du lecteur ; le caractère nul pour un numéro hors de 1 à 26.
[[nodiscard]] constexpr char LettreDuLecteur(std::uint8_t numero) {
    return numero >= 1 && numero <= NombreLecteurs ? static_cast<char>('A' + numero - 1) : '\0';
}

// Le numéro d'une lettre majuscule ; 0 pour tout autre caractère.
[[nodiscard]] constexpr std::uint8_t NumeroDuLecteur(char lettre) {
    return lettre >= 'A' && lettre <= 'Z' ? static_cast<std::uint8_t>(lettre - 'A' + 1) : 0;
}

} // namespace pulsodex
