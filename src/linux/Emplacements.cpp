#include "linux/Emplacements.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace pulsodex {

namespace fs = std::filesystem;

namespace {
std::string Variable(const char* nom) {
    const char* valeur = std::getenv(nom);
    return valeur != nullptr ? std::string(valeur) : std::string();
}

fs::path DossierXdg(const char* variable, const char* sousDossierHome) {
    const std::string xdg = Variable(variable);
    if (!xdg.empty() && xdg.front() == '/') {
        return xdg;
    }
    const std::string home = Variable("HOME");
    return fs::path(home.empty() ? "/tmp" : home) / sousDossierHome;
}

std::string AvecSeparateur(const fs::path& dossier) {
    std::string texte = dossier.string();
    if (texte.empty() || texte.back() != '/') {
        texte += '/';
    }
    return texte;
}
} // namespace

fs::path CheminExecutable() {
    std::error_code erreur;
    fs::path chemin = fs::read_symlink("/proc/self/exe", erreur);
    return erreur ? fs::path() : chemin;
}

std::string RepertoireProgramme() {
    std::error_code erreur;
    if (const std::string impose = Variable("PULSODEX_REPERTOIRE"); !impose.empty()) {
        fs::create_directories(impose, erreur);
        return AvecSeparateur(fs::absolute(impose, erreur));
    }
    const fs::path executable = CheminExecutable();
    if (!executable.empty() && ::access(executable.parent_path().c_str(), W_OK) == 0) {
        return AvecSeparateur(executable.parent_path());
    }
    const fs::path donnees = DossierXdg("XDG_DATA_HOME", ".local/share") / "Pulsodex";
    fs::create_directories(donnees, erreur);
    return AvecSeparateur(donnees);
}

fs::path FichierReglages() {
    if (const std::string impose = Variable("PULSODEX_CONFIG"); !impose.empty()) {
        return impose;
    }
    return DossierXdg("XDG_CONFIG_HOME", ".config") / "Pulsodex" / "Pulsodex.conf";
}

std::string DossierExecution() {
    std::error_code erreur;
    if (std::string execution = Variable("XDG_RUNTIME_DIR");
        !execution.empty() && fs::is_directory(execution, erreur)) {
        return execution;
    }
    const fs::path temporaire = fs::temp_directory_path(erreur);
    const uid_t uid = ::getuid();
    std::string dossier =
        (erreur ? fs::path("/tmp") : temporaire).string() + "/pulsodex-" + std::to_string(uid);
    ::mkdir(dossier.c_str(), 0700);
    // Un dossier d'un autre (ou un lien posé là) n'est pas le nôtre.
    struct stat infos {};
    if (::lstat(dossier.c_str(), &infos) != 0 || !S_ISDIR(infos.st_mode) || infos.st_uid != uid) {
        return {};
    }
    return dossier;
}

} // namespace pulsodex
