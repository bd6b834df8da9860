#include "windows/Emplacements.h"

#include <windows.h>

#include <system_error>

#include "windows/RegistreWindows.h"
#include "windows/Utf16.h"

namespace pulsodex {

namespace fs = std::filesystem;

namespace {

std::string AvecSeparateur(const fs::path& dossier) {
    std::string texte = Etroit(dossier.wstring());
    if (texte.empty() || (texte.back() != '\\' && texte.back() != '/')) {
        texte += '\\';
    }
    return texte;
}

// Un fichier s'y crée : le dossier est inscriptible.
bool Inscriptible(const fs::path& dossier) {
    const fs::path essai = dossier / L"Pulsodex.essai";
    HANDLE fichier = ::CreateFileW(essai.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (fichier == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(fichier);
    return true;
}

} // namespace

std::string VariableWindows(const char* nom) {
    const std::wstring large = Large(nom);
    const DWORD taille = ::GetEnvironmentVariableW(large.c_str(), nullptr, 0);
    if (taille == 0) {
        return {};
    }
    std::wstring valeur(taille, L'\0');
    const DWORD lue = ::GetEnvironmentVariableW(large.c_str(), valeur.data(), taille);
    valeur.resize(lue < taille ? lue : 0);
    return Etroit(valeur);
}

fs::path CheminExecutableWindows() {
    std::wstring chemin(MAX_PATH, L'\0');
    for (int essai = 0; essai < 6; ++essai) {
        const DWORD n = ::GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size()));
        if (n == 0) {
            return {};
        }
        if (n < chemin.size()) {
            chemin.resize(n);
            return chemin;
        }
        chemin.resize(chemin.size() * 2);
    }
    return {};
}

std::string RepertoireProgrammeWindows() {
    std::error_code erreur;
    if (const std::string impose = VariableWindows("PULSODEX_REPERTOIRE"); !impose.empty()) {
        const fs::path dossier(Large(impose));
        fs::create_directories(dossier, erreur);
        return AvecSeparateur(fs::absolute(dossier, erreur));
    }
    const fs::path executable = CheminExecutableWindows();
    if (!executable.empty() && Inscriptible(executable.parent_path())) {
        return AvecSeparateur(executable.parent_path());
    }
    const fs::path donnees = fs::path(Large(VariableWindows("LOCALAPPDATA"))) / L"Pulsodex";
    fs::create_directories(donnees, erreur);
    return AvecSeparateur(donnees);
}

std::string DossierExecutionWindows() {
    const std::string locales = VariableWindows("LOCALAPPDATA");
    if (locales.empty()) {
        return {};
    }
    std::error_code erreur;
    const fs::path dossier = fs::path(Large(locales)) / L"Pulsodex";
    fs::create_directories(dossier, erreur);
    if (!fs::is_directory(dossier, erreur)) {
        return {};
    }
    return Etroit(dossier.generic_wstring());
}

std::string CleReglagesWindows() {
    const std::string impose = VariableWindows("PULSODEX_CONFIG");
    return impose.empty() ? std::string(CleReglages) : impose;
}

} // namespace pulsodex
