#pragma once
// Les lecteurs de la liste des disques.
#include <cstdint>
#include <string_view>
#include <vector>

namespace pulsodex {

inline constexpr int DernierEmplacement = 27;

// Numéros des lecteurs (1 = A .. 26 = Z) des lettres majuscules de la liste,
// dans leur ordre ; les autres caractères sont sautés. Les emplacements vont
// jusqu'à 27, le premier étant réservé au total quand il est demandé.
std::vector<std::uint8_t> LecteursListes(std::string_view liste, bool total);

} // namespace pulsodex
