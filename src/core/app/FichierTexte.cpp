#include "core/app/FichierTexte.h"

namespace pulsodex {

std::string SurUneLigne(std::string_view texte) {
    // Sauts de ligne d'Unicode en UTF-8 : NEL, séparateurs de ligne et de paragraphe.
    constexpr std::string_view Sauts[] = {"\xC2\x85", "\xE2\x80\xA8", "\xE2\x80\xA9"};
    std::string resultat;
    resultat.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '\r' || c == '\n' || c == '\0' || c == '\v' || c == '\f') {
            resultat += ' ';
            continue;
        }
        bool saut = false;
        for (const std::string_view s : Sauts) {
            if (texte.substr(i).starts_with(s)) {
                resultat += ' ';
                i += s.size() - 1;
                saut = true;
                break;
            }
        }
        if (!saut) {
            resultat += c;
        }
    }
    return resultat;
}

} // namespace pulsodex
