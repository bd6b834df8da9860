#include "windows/Utf16.h"

#include <windows.h>

namespace pulsodex {

std::wstring Large(std::string_view texte) {
    if (texte.empty()) {
        return {};
    }
    const int taille =
        ::MultiByteToWideChar(CP_UTF8, 0, texte.data(), static_cast<int>(texte.size()), nullptr, 0);
    std::wstring resultat(static_cast<std::size_t>(taille), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, texte.data(), static_cast<int>(texte.size()), resultat.data(), taille);
    return resultat;
}

std::string Etroit(std::wstring_view texte) {
    if (texte.empty()) {
        return {};
    }
    const int taille = ::WideCharToMultiByte(CP_UTF8, 0, texte.data(), static_cast<int>(texte.size()),
                                             nullptr, 0, nullptr, nullptr);
    std::string resultat(static_cast<std::size_t>(taille), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, texte.data(), static_cast<int>(texte.size()), resultat.data(), taille,
                          nullptr, nullptr);
    return resultat;
}

} // namespace pulsodex
