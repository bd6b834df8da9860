#include "windows/Cle.h"

#include <algorithm>

#include "windows/Utf16.h"

namespace pulsodex {

Cle::Cle(HKEY racine, const std::wstring& chemin, bool creer, REGSAM acces) {
    m_erreur = creer ? ::RegCreateKeyExW(racine, chemin.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, acces,
                                         nullptr, &m_cle, nullptr)
                     : ::RegOpenKeyExW(racine, chemin.c_str(), 0, acces, &m_cle);
    if (m_erreur != ERROR_SUCCESS) {
        m_cle = nullptr;
    }
}

Cle::~Cle() {
    if (m_cle != nullptr) {
        ::RegCloseKey(m_cle);
    }
}

std::optional<std::string> Cle::LireTexte(const std::wstring& nom) const {
    if (m_cle == nullptr) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD octets = 0;
    if (::RegQueryValueExW(m_cle, nom.c_str(), nullptr, &type, nullptr, &octets) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    if (type == REG_DWORD) {
        DWORD n = 0;
        DWORD taille = sizeof n;
        if (::RegQueryValueExW(m_cle, nom.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&n), &taille) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::to_string(static_cast<std::int32_t>(n));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return std::nullopt;
    }
    std::wstring texte(octets / sizeof(wchar_t) + 1, L'\0');
    DWORD taille = static_cast<DWORD>(texte.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(m_cle, nom.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(texte.data()),
                           &taille) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // Le zéro final est facultatif dans le registre.
    texte.resize(taille / sizeof(wchar_t));
    while (!texte.empty() && texte.back() == L'\0') {
        texte.pop_back();
    }
    return Etroit(texte);
}

LSTATUS Cle::EcrireTexte(const std::wstring& nom, const std::string& texte) {
    if (m_cle == nullptr) {
        return m_erreur;
    }
    const std::wstring large = Large(texte);
    return ::RegSetValueExW(m_cle, nom.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(large.c_str()),
                            static_cast<DWORD>((large.size() + 1) * sizeof(wchar_t)));
}

std::vector<std::string> Cle::NomsValeurs() const {
    std::vector<std::string> noms;
    if (m_cle == nullptr) {
        return noms;
    }
    // Un nom de valeur a au plus 16 383 caractères.
    std::wstring nom(16384, L'\0');
    for (DWORD i = 0;; ++i) {
        DWORD taille = static_cast<DWORD>(nom.size());
        if (::RegEnumValueW(m_cle, i, nom.data(), &taille, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        noms.push_back(Etroit(std::wstring_view(nom.data(), taille)));
    }
    // Dans l'ordre des noms, comme le fichier des réglages sous Linux.
    std::sort(noms.begin(), noms.end());
    return noms;
}

std::string CauseRegistre(LSTATUS code) {
    switch (code) {
    case ERROR_ACCESS_DENIED:
        return "accès refusé";
    case ERROR_DISK_FULL:
    case ERROR_NO_SYSTEM_RESOURCES:
        return "le registre est plein";
    case ERROR_FILE_NOT_FOUND:
        return "clé introuvable";
    default:
        return "erreur " + std::to_string(code) + " du registre";
    }
}

} // namespace pulsodex
