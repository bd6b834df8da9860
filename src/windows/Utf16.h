#pragma once
// Les textes du programme (UTF-8) et ceux des appels « W » de Windows (UTF-16).
#include <string>
#include <string_view>

namespace pulsodex {

std::wstring Large(std::string_view texte);
std::string Etroit(std::wstring_view texte);

} // namespace pulsodex
