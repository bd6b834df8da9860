#include "core/plateforme/AjoutFichier.h"

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

} // namespace pulsodex
