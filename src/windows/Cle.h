#pragma once
// Une clé ouverte du registre, fermée à la destruction, et les lectures et
// écritures de textes qu'en font le magasin des réglages et la liste des
// programmes de l'ouverture de session.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pulsodex {

class Cle {
public:
    Cle() = default;
    // Ouvre (ou crée, avec creer) le chemin sous la racine ; Ouverte() dit si
    // c'est fait, Erreur() pourquoi sinon.
    Cle(HKEY racine, const std::wstring& chemin, bool creer, REGSAM acces = KEY_READ | KEY_WRITE);
    ~Cle();
    Cle(Cle&& autre) noexcept : m_cle(std::exchange(autre.m_cle, nullptr)), m_erreur(autre.m_erreur) {}
    Cle& operator=(Cle&&) = delete;
    Cle(const Cle&) = delete;
    Cle& operator=(const Cle&) = delete;

    [[nodiscard]] bool Ouverte() const noexcept { return m_cle != nullptr; }
    [[nodiscard]] LSTATUS Erreur() const noexcept { return m_erreur; }
    [[nodiscard]] HKEY Poignee() const noexcept { return m_cle; }

    // Le texte d'une valeur REG_SZ ou REG_EXPAND_SZ (un REG_DWORD se lit en
    // décimal) ; rien quand elle manque ou a un autre type.
    [[nodiscard]] std::optional<std::string> LireTexte(const std::wstring& nom) const;
    // Écrit un REG_SZ ; le code de Windows (ERROR_SUCCESS : écrit).
    LSTATUS EcrireTexte(const std::wstring& nom, const std::string& texte);
    [[nodiscard]] std::vector<std::string> NomsValeurs() const;

private:
    HKEY m_cle = nullptr;
    LSTATUS m_erreur = ERROR_SUCCESS;
};

// La cause d'un échec du registre, en français.
std::string CauseRegistre(LSTATUS code);

} // namespace pulsodex
