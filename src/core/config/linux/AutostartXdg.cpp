#include "AutostartXdg.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "commun/Produit.h"

namespace pulsodex {

namespace fs = std::filesystem;

AutostartXdg::AutostartXdg(fs::path dossierUtilisateur, fs::path dossierMachine)
    : m_utilisateur(std::move(dossierUtilisateur)), m_machine(std::move(dossierMachine)) {}

AutostartXdg AutostartXdg::DuSysteme() {
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        config = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        config = fs::path(home) / ".config";
    }
    return {config.empty() ? fs::path() : config / "autostart", "/etc/xdg/autostart"};
}

fs::path AutostartXdg::Fichier(PorteeDemarrage portee, std::string_view nom) const {
    const fs::path& dossier = portee == PorteeDemarrage::Utilisateur ? m_utilisateur : m_machine;
    if (dossier.empty()) {
        return {};
    }
    return dossier / (std::string(nom) + ".desktop");
}

std::optional<std::string> LireExec(std::string_view contenu) {
    std::istringstream lignes{std::string(contenu)};
    std::string ligne;
    bool dansEntree = false;
    while (std::getline(lignes, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r') {
            ligne.pop_back();
        }
        if (ligne.starts_with('[')) {
            dansEntree = ligne == "[Desktop Entry]";
            continue;
        }
        if (dansEntree && ligne.starts_with("Exec")) {
            std::string_view reste = std::string_view(ligne).substr(4);
            while (!reste.empty() && reste.front() == ' ') {
                reste.remove_prefix(1);
            }
            if (reste.starts_with('=')) {
                reste.remove_prefix(1);
                while (!reste.empty() && reste.front() == ' ') {
                    reste.remove_prefix(1);
                }
                return std::string(reste);
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> AutostartXdg::Lire(PorteeDemarrage portee, std::string_view nom) const {
    const fs::path fichier = Fichier(portee, nom);
    if (fichier.empty()) {
        return std::nullopt;
    }
    std::ifstream entree(fichier, std::ios::binary);
    if (!entree) {
        return std::nullopt;
    }
    std::ostringstream contenu;
    contenu << entree.rdbuf();
    return LireExec(contenu.str());
}

std::string LigneExec(std::string_view chemin) {
    // Dans un argument entre guillemets, « " ` $ \ » prennent une barre
    // oblique inverse ; la chaîne .desktop double ensuite chaque barre.
    std::string argument = "\"";
    for (char c : chemin) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            argument += '\\';
        }
        if (c == '%') {
            argument += '%';
        }
        argument += c;
    }
    argument += '"';
    std::string ligne;
    for (char c : argument) {
        if (c == '\\') {
            ligne += "\\\\";
        } else if (c == '\n') {
            ligne += "\\n";
        } else {
            ligne += c;
        }
    }
    return ligne;
}

bool AutostartXdg::Ecrire(PorteeDemarrage portee, std::string_view nom, std::string_view commande) {
    const fs::path fichier = Fichier(portee, nom);
    if (fichier.empty()) {
        return false;
    }
    std::error_code erreur;
    fs::create_directories(fichier.parent_path(), erreur);
    const fs::path provisoire = fichier.string() + ".tmp";
    {
        std::ofstream sortie(provisoire, std::ios::binary | std::ios::trunc);
        if (!sortie) {
            return false;
        }
        sortie << "[Desktop Entry]\n"
               << "Type=Application\n"
               << "Name=" << produit::TitreApplication << "\n"
               << "Comment=Tableau de bord du système\n"
               << "Exec=" << LigneExec(commande) << "\n"
               << "Terminal=false\n"
               << "X-GNOME-Autostart-enabled=true\n";
        sortie.flush();
        if (!sortie) {
            sortie.close();
            fs::remove(provisoire, erreur);
            return false;
        }
    }
    fs::rename(provisoire, fichier, erreur);
    if (erreur) {
        fs::remove(provisoire, erreur);
        return false;
    }
    return true;
}

bool AutostartXdg::Effacer(PorteeDemarrage portee, std::string_view nom) {
    const fs::path fichier = Fichier(portee, nom);
    if (fichier.empty()) {
        return false;
    }
    std::error_code erreur;
    fs::remove(fichier, erreur);
    return !erreur;
}

} // namespace pulsodex
