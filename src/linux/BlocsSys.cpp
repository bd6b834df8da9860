#include <filesystem>
#include <fstream>

#include "linux/DisquesLinux.h"

namespace pulsodex {

namespace {

namespace fs = std::filesystem;

std::string PremiereLigne(const fs::path& fichier) {
    std::ifstream f(fichier);
    std::string ligne;
    std::getline(f, ligne);
    return ligne;
}

std::vector<fs::path> Contenu(const fs::path& dossier) {
    std::vector<fs::path> entrees;
    std::error_code erreur;
    for (fs::directory_iterator it(dossier, erreur); !erreur && it != fs::directory_iterator();
         it.increment(erreur)) {
        entrees.push_back(it->path());
    }
    return entrees;
}

} // namespace

std::optional<PeripheriqueBloc> BlocsSys::Chercher(const Montage& m) const {
    // Les systèmes sans périphérique (btrfs, tmpfs…) ont un majeur nul.
    const std::string numero = m.Peripherique.starts_with("0:") ? std::string() : m.Peripherique;
    const std::string nom =
        m.Source.starts_with("/dev/") ? fs::path(m.Source).filename().string() : std::string();
    if (numero.empty() && nom.empty()) {
        return std::nullopt;
    }
    auto correspond = [&](const fs::path& dossier) {
        return (!nom.empty() && dossier.filename() == nom) ||
               (!numero.empty() && PremiereLigne(dossier / "dev") == numero);
    };
    for (const fs::path& disque : Contenu(fs::path(m_racine) / "block")) {
        const std::string nomDisque = disque.filename().string();
        bool trouve = correspond(disque);
        // Les partitions sont des sous-dossiers nommés d'après leur disque (sda1, nvme0n1p2).
        if (!trouve) {
            for (const fs::path& sous : Contenu(disque)) {
                const std::string nomSous = sous.filename().string();
                if (nomSous.size() > nomDisque.size() && nomSous.starts_with(nomDisque) && correspond(sous)) {
                    trouve = true;
                    break;
                }
            }
        }
        if (trouve) {
            return PeripheriqueBloc{nomDisque, PremiereLigne(disque / "removable") == "1"};
        }
    }
    return std::nullopt;
}

} // namespace pulsodex
