// L'envoi de tout un texte, le même sur chaque système : des envois sans
// attente, et entre eux l'attente que la prise accepte la suite.
#include <algorithm>

#include "core/plateforme/Prises.h"

namespace pulsodex::net {

bool EnvoyerTout(Poignee fd, std::string_view donnees, const Reveil* reveil,
                 std::chrono::milliseconds delai) {
    using Horloge = std::chrono::steady_clock;
    const auto fin = Horloge::now() + delai;
    while (!donnees.empty()) {
        const std::ptrdiff_t n = Envoyer(fd, donnees);
        if (n >= 0) {
            donnees.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        const auto reste =
            std::max(std::chrono::duration_cast<std::chrono::milliseconds>(fin - Horloge::now()),
                     std::chrono::milliseconds::zero());
        if (AttendreEcriture(fd, reveil, reste) != Attente::Prete) {
            return false;
        }
    }
    return true;
}

} // namespace pulsodex::net
