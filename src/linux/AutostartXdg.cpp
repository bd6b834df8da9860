#include "linux/AutostartXdg.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/commun/Fichiers.h"
#include "core/commun/Produit.h"

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

namespace {
// « Cle = valeur » : la valeur, sans les blancs autour du signe égal.
std::optional<std::string_view> ValeurCle(std::string_view ligne, std::string_view cle) {
    if (!ligne.starts_with(cle)) {
        return std::nullopt;
    }
    std::string_view reste = ligne.substr(cle.size());
    while (!reste.empty() && reste.front() == ' ') {
        reste.remove_prefix(1);
    }
    if (!reste.starts_with('=')) {
        return std::nullopt;
    }
    reste.remove_prefix(1);
    while (!reste.empty() && reste.front() == ' ') {
        reste.remove_prefix(1);
    }
    return reste;
}
} // namespace

std::optional<std::string> LireExec(std::string_view contenu) {
    std::istringstream lignes{std::string(contenu)};
    std::string ligne;
    bool dansEntree = false;
    bool coupee = false;
    std::optional<std::string> exec;
    while (std::getline(lignes, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r') {
            ligne.pop_back();
        }
        if (ligne.starts_with('[')) {
            dansEntree = ligne == "[Desktop Entry]";
            continue;
        }
        if (!dansEntree) {
            continue;
        }
        if (const auto valeur = ValeurCle(ligne, "Exec"); valeur && !exec) {
            exec = std::string(*valeur);
        } else if (ValeurCle(ligne, "Hidden") == "true" ||
                   ValeurCle(ligne, "X-GNOME-Autostart-enabled") == "false") {
            coupee = true;
        }
    }
    if (coupee) {
        return std::string();
    }
    return exec;
}

std::optional<std::string> AutostartXdg::Lire(PorteeDemarrage portee, std::string_view nom) const {
    const fs::path fichier = Fichier(portee, nom);
    if (fichier.empty()) {
        return std::nullopt;
    }
    if (portee == PorteeDemarrage::Machine && Existe(PorteeDemarrage::Utilisateur, nom)) {
        return std::nullopt; // masquée par celle de l'utilisateur
    }
    const std::optional<std::string> contenu = LireFichier(fichier);
    if (!contenu) {
        return std::nullopt;
    }
    return LireExec(*contenu);
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

bool AutostartXdg::Existe(PorteeDemarrage portee, std::string_view nom) const {
    const fs::path fichier = Fichier(portee, nom);
    std::error_code erreur;
    return !fichier.empty() && fs::exists(fichier, erreur);
}

bool AutostartXdg::Ecrire(PorteeDemarrage portee, std::string_view nom, std::string_view commande) {
    return EcrireFichier(portee, nom,
                         std::string("[Desktop Entry]\n") + "Type=Application\n" +
                             "Name=" + std::string(produit::TitreApplication) + "\n" +
                             "Comment=Tableau de bord du système\n" + "Exec=" + LigneExec(commande) + "\n" +
                             "Terminal=false\n" + "X-GNOME-Autostart-enabled=true\n");
}

bool AutostartXdg::EcrireFichier(PorteeDemarrage portee, std::string_view nom, const std::string& contenu) {
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
        sortie << contenu;
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
    if (erreur) {
        return false;
    }
    if (portee == PorteeDemarrage::Utilisateur && Lire(PorteeDemarrage::Machine, nom).value_or("") != "") {
        // L'entrée de la machine lancerait encore le programme : on la masque.
        return EcrireFichier(portee, nom,
                             std::string("[Desktop Entry]\nType=Application\nName=") +
                                 std::string(produit::TitreApplication) + "\nHidden=true\n");
    }
    return true;
}

} // namespace pulsodex
