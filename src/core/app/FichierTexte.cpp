#include "core/app/FichierTexte.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace pulsodex {

bool AjouterAuFichier(const std::string& chemin, std::string_view texte) noexcept {
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    const char* donnees = texte.data();
    std::size_t reste = texte.size();
    while (reste > 0) {
        const ssize_t ecrit = ::write(fd, donnees, reste);
        if (ecrit < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        donnees += ecrit;
        reste -= static_cast<std::size_t>(ecrit);
    }
    if (::close(fd) != 0) {
        ok = false;
    }
    return ok;
}

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
