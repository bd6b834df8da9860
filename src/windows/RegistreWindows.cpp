#include "windows/RegistreWindows.h"

#include "windows/Cle.h"
#include "windows/Utf16.h"

namespace pulsodex {

RegistreWindows::RegistreWindows(HKEY ruche, std::string chemin, std::string nom)
    : m_ruche(ruche), m_chemin(std::move(chemin)), m_nom(std::move(nom)) {
    const Cle racine(m_ruche, Large(m_chemin), true);
    if (!racine.Ouverte()) {
        Noter(racine.Erreur());
    }
}

std::wstring RegistreWindows::Chemin(std::string_view section) const {
    return Large(section.empty() ? m_chemin : m_chemin + "\\" + std::string(section));
}

void RegistreWindows::Noter(LSTATUS code) {
    if (code != ERROR_SUCCESS) {
        m_echec = true;
        m_erreur = "« " + m_nom + " » : " + CauseRegistre(code);
    }
}

std::optional<std::string> RegistreWindows::Lire(std::string_view section, std::string_view nom) const {
    return Cle(m_ruche, Chemin(section), false, KEY_READ).LireTexte(Large(nom));
}

void RegistreWindows::Ecrire(std::string_view section, std::string_view nom, std::string_view texte) {
    Cle cle(m_ruche, Chemin(section), true);
    Noter(cle.Ouverte() ? cle.EcrireTexte(Large(nom), std::string(texte)) : cle.Erreur());
}

void RegistreWindows::EffacerSection(std::string_view section) {
    if (section.empty()) {
        // La racine garde sa clé, vidée de ses valeurs et de ses sous-clés.
        const Cle racine(m_ruche, Chemin(section), false);
        if (racine.Ouverte()) {
            Noter(::RegDeleteTreeW(racine.Poignee(), nullptr));
        }
        return;
    }
    const LSTATUS code = ::RegDeleteTreeW(m_ruche, Chemin(section).c_str());
    Noter(code == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : code);
}

bool RegistreWindows::SectionExiste(std::string_view section) const {
    return Cle(m_ruche, Chemin(section), false, KEY_READ).Ouverte();
}

std::vector<std::string> RegistreWindows::NomsValeurs(std::string_view section) const {
    return Cle(m_ruche, Chemin(section), false, KEY_READ).NomsValeurs();
}

bool RegistreWindows::Synchroniser() {
    return !std::exchange(m_echec, false);
}

} // namespace pulsodex
