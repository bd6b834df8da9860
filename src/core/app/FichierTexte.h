#pragma once
// Les lignes des journaux : un texte sur une seule ligne, fin de ligne CR LF.
#include <string>
#include <string_view>

namespace pulsodex {

// Remplace retours chariot, sauts de ligne, tabulations verticales, sauts de
// page, caractères nuls et sauts de ligne d'Unicode (NEL, U+2028, U+2029) par
// des blancs : un texte venu de l'extérieur ne peut pas fabriquer de ligne.
std::string SurUneLigne(std::string_view texte);

inline constexpr std::string_view FinDeLigne = "\r\n";

} // namespace pulsodex
