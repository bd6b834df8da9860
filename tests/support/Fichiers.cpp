#include "Fichiers.h"

#include <random>
#include <stdexcept>
#include <vector>

#include "core/commun/Fichiers.h"

namespace pulsodex::test {

namespace fs = std::filesystem;

std::string LireFichier(const fs::path& chemin) {
    return pulsodex::LireFichier(chemin.string()).value_or(std::string());
}

std::string CheminDonnee(std::string_view relatif) {
    return std::string(PULSODEX_DONNEES_TEST) + "/" + std::string(relatif);
}

std::string LireDonnee(std::string_view relatif) {
    return LireFichier(CheminDonnee(relatif));
}

DossierTemporaire::DossierTemporaire(std::string_view prefixe) {
    // Un nom tiré au hasard, créé s'il n'existe pas encore (sous Windows aussi).
    std::random_device hasard;
    for (int essai = 0; essai < 100; ++essai) {
        const fs::path chemin =
            fs::temp_directory_path() / (std::string(prefixe) + "-" + std::to_string(hasard()));
        std::error_code erreur;
        if (fs::create_directory(chemin, erreur)) {
            fs::permissions(chemin, fs::perms::owner_all, fs::perm_options::replace, erreur);
            m_chemin = chemin;
            return;
        }
    }
    throw std::runtime_error("dossier temporaire impossible sous " + fs::temp_directory_path().string());
}

DossierTemporaire::~DossierTemporaire() {
    std::error_code erreur;
    fs::permissions(m_chemin, fs::perms::owner_all, fs::perm_options::add, erreur);
    // Chaque dossier est rouvert avant que le parcours n'y descende.
    for (auto it = fs::recursive_directory_iterator(m_chemin, erreur); !erreur && it != fs::end(it);
         it.increment(erreur)) {
        if (it->is_directory(erreur) && !it->is_symlink(erreur)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, erreur);
        } else if (it->is_regular_file(erreur)) {
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, erreur);
        }
        erreur.clear();
    }
    fs::remove_all(m_chemin, erreur);
}

} // namespace pulsodex::test
