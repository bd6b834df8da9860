#include "core/probes/EspaceDirect.h"

#include <algorithm>
#include <array>

namespace pulsodex {

namespace {

// statfs de ces systèmes rend des compteurs tenus en mémoire.
bool TypeSansAttente(std::string_view type) {
    constexpr std::array<std::string_view, 8> types = {"ext2",  "ext3", "ext4",  "xfs",
                                                       "btrfs", "f2fs", "tmpfs", "ramfs"};
    return std::find(types.begin(), types.end(), type) != types.end();
}

} // namespace

bool EspaceSansAttente(const std::vector<Montage>& montes, std::string_view chemin, bool amovible) {
    const Montage* point = MontageAuPoint(montes, chemin);
    if (point == nullptr || amovible || !TypeSansAttente(point->Type)) {
        return false;
    }
    // Les dossiers parents, du plus long à « / ».
    for (std::size_t fin = chemin.rfind('/'); fin != std::string_view::npos && chemin.size() > 1;
         fin = fin == 0 ? std::string_view::npos : chemin.rfind('/', fin - 1)) {
        const std::string_view parent = fin == 0 ? std::string_view("/") : chemin.substr(0, fin);
        const Montage* traverse = MontageDe(montes, parent);
        if (traverse == nullptr || !TypeSansAttente(traverse->Type)) {
            return false;
        }
    }
    return true;
}

} // namespace pulsodex
