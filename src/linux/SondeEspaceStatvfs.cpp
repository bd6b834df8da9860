#include <sys/statvfs.h>

#include <cerrno>
#include <cstdint>
#include <limits>

#include "linux/DisquesLinux.h"

namespace pulsodex {

namespace {

std::int64_t Octets(unsigned long long blocs, unsigned long long taille) {
    unsigned long long produit = 0;
    if (__builtin_mul_overflow(blocs, taille, &produit) ||
        produit > static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max())) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return static_cast<std::int64_t>(produit);
}

} // namespace

ReponseSonde SondeEspaceStatvfs::Interroger(const std::string& chemin) {
    struct statvfs s {};
    if (statvfs(chemin.c_str(), &s) != 0) {
        return {errno == ENOENT || errno == ENOTDIR ? EtatSonde::Absent : EtatSonde::Echec};
    }
    const unsigned long long fragment = s.f_frsize != 0 ? s.f_frsize : s.f_bsize;
    return {EtatSonde::Ok, Octets(s.f_blocks, fragment), Octets(s.f_bfree, fragment)};
}

} // namespace pulsodex
