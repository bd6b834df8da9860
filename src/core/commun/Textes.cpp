#include "Textes.h"

#include <charconv>

namespace pulsodex {

std::string MinusculesAscii(std::string_view texte) {
    std::string resultat(texte);
    for (char& c : resultat) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return resultat;
}

std::string MajusculesAscii(std::string_view texte) {
    std::string resultat(texte);
    for (char& c : resultat) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return resultat;
}

std::string MinusculesLatines(std::string_view texte) {
    std::string resultat = MinusculesAscii(texte);
    // En UTF-8, U+00C0..U+00DE (sauf ×, U+00D7) s'écrivent C3 80..C3 9E ;
    // leur minuscule est C3 A0..C3 BE.
    for (std::size_t i = 0; i + 1 < resultat.size(); ++i) {
        auto premier = static_cast<unsigned char>(resultat[i]);
        auto second = static_cast<unsigned char>(resultat[i + 1]);
        if (premier == 0xC3 && second >= 0x80 && second <= 0x9E && second != 0x97) {
            resultat[i + 1] = static_cast<char>(second + 0x20);
            ++i;
        }
    }
    return resultat;
}

bool EgalSansCasse(std::string_view a, std::string_view b) {
    return MinusculesLatines(a) == MinusculesLatines(b);
}

namespace {
bool EstSuite(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}
} // namespace

std::string TronquerCaracteres(std::string_view texte, std::size_t n) {
    std::size_t compte = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (!EstSuite(texte[i])) {
            if (compte == n) {
                return std::string(texte.substr(0, i));
            }
            ++compte;
        }
    }
    return std::string(texte);
}

std::size_t NombreCaracteres(std::string_view texte) {
    std::size_t compte = 0;
    for (char c : texte) {
        if (!EstSuite(c)) {
            ++compte;
        }
    }
    return compte;
}

std::optional<std::int64_t> LireEntierDecimal(std::string_view texte) {
    if (!texte.empty() && texte.front() == '+') {
        texte.remove_prefix(1);
        if (!texte.empty() && texte.front() == '-') {
            return std::nullopt;
        }
    }
    if (texte.empty()) {
        return std::nullopt;
    }
    std::int64_t valeur = 0;
    const char* fin = texte.data() + texte.size();
    auto [ptr, ec] = std::from_chars(texte.data(), fin, valeur);
    if (ec != std::errc{} || ptr != fin) {
        return std::nullopt;
    }
    return valeur;
}

} // namespace pulsodex
