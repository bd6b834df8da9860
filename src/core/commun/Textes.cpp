#include "core/commun/Textes.h"

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

std::size_t SequenceUtf8(std::string_view t, std::size_t i) {
    const auto o = [&](std::size_t k) {
        return static_cast<unsigned char>(t[i + k]);
    };
    const unsigned char c = o(0);
    if (c < 0x80) {
        return 1;
    }
    std::size_t n = 0;
    unsigned char min = 0x80;
    unsigned char max = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        min = c == 0xE0 ? 0xA0 : 0x80;
        max = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        min = c == 0xF0 ? 0x90 : 0x80;
        max = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + n > t.size() || o(1) < min || o(1) > max) {
        return 0;
    }
    for (std::size_t k = 2; k < n; ++k) {
        if (!EstSuite(t[i + k])) {
            return 0;
        }
    }
    return n;
}

bool Utf8Valide(std::string_view texte) {
    std::size_t i = 0;
    while (i < texte.size()) {
        const std::size_t n = SequenceUtf8(texte, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

char32_t PointUtf8(std::string_view texte, std::size_t i) {
    const std::size_t n = SequenceUtf8(texte, i);
    const auto o = [&](std::size_t k) {
        return static_cast<char32_t>(static_cast<unsigned char>(texte[i + k]));
    };
    switch (n) {
    case 1:
        return o(0);
    case 2:
        return ((o(0) & 0x1FU) << 6) | (o(1) & 0x3FU);
    case 3:
        return ((o(0) & 0x0FU) << 12) | ((o(1) & 0x3FU) << 6) | (o(2) & 0x3FU);
    case 4:
        return ((o(0) & 0x07U) << 18) | ((o(1) & 0x3FU) << 12) | ((o(2) & 0x3FU) << 6) | (o(3) & 0x3FU);
    default:
        return 0xFFFD;
    }
}

void AjouterUtf8(std::string& texte, char32_t point) {
    if (point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        point = 0xFFFD;
    }
    const auto octet = [&](char32_t valeur) {
        texte += static_cast<char>(valeur);
    };
    if (point < 0x80) {
        octet(point);
    } else if (point < 0x800) {
        octet(0xC0 | (point >> 6));
        octet(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        octet(0xE0 | (point >> 12));
        octet(0x80 | ((point >> 6) & 0x3F));
        octet(0x80 | (point & 0x3F));
    } else {
        octet(0xF0 | (point >> 18));
        octet(0x80 | ((point >> 12) & 0x3F));
        octet(0x80 | ((point >> 6) & 0x3F));
        octet(0x80 | (point & 0x3F));
    }
}

std::string Utf8OuLatin1(std::string_view octets) {
    if (Utf8Valide(octets)) {
        return std::string(octets);
    }
    std::string resultat;
    resultat.reserve(octets.size() * 2);
    for (char c : octets) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            resultat += c;
        } else {
            resultat += static_cast<char>(0xC0 | (u >> 6));
            resultat += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return resultat;
}

std::string Chiffres(int n, std::size_t largeur) {
    std::string s = std::to_string(n);
    if (s.size() < largeur) {
        s.insert(0, largeur - s.size(), '0');
    }
    return s;
}

} // namespace pulsodex
