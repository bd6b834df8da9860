#include <algorithm>
#include <filesystem>

#include "core/probes/Montages.h"
#include "linux/DisquesLinux.h"

namespace pulsodex {

namespace {

namespace fs = std::filesystem;

// Parcourt un dossier sans exception : un processus qui disparaît en cours de
// route arrête seulement le parcours de son dossier.
template <typename F>
bool Parcourir(const fs::path& dossier, F&& f) {
    std::error_code erreur;
    for (fs::directory_iterator it(dossier, erreur); !erreur && it != fs::directory_iterator();
         it.increment(erreur)) {
        if (f(it->path())) {
            return true;
        }
    }
    return false;
}

bool EstNumero(const std::string& nom) {
    return !nom.empty() && std::all_of(nom.begin(), nom.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool FichiersOuvertsSous(const std::string& racineProc, std::string_view point) {
    return Parcourir(racineProc, [&](const fs::path& processus) {
        return EstNumero(processus.filename().string()) &&
               Parcourir(processus / "fd", [&](const fs::path& fd) {
                   std::error_code erreur;
                   const fs::path cible = fs::read_symlink(fd, erreur);
                   return !erreur && EstSous(cible.string(), point);
               });
    });
}

} // namespace pulsodex
