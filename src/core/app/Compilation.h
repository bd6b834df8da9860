#pragma once
// Ligne de compilation de la boîte « A propos ».
#include <string>
#include <string_view>

namespace pulsodex {

// « Compilé pour Linux 64 bits le 07 Février 2004 », la date étant celle que
// donne le compilateur (« Feb  7 2004 ») ; sans date lisible, la ligne
// s'arrête après les bits.
std::string LigneCompilation(std::string_view systeme, int bits, std::string_view dateCompilateur);
// La ligne de ce programme-ci.
std::string LigneCompilation();

} // namespace pulsodex
