#include "core/app/Compilation.h"

#include "core/commun/Textes.h"
#include "core/plateforme/Locale.h"

namespace pulsodex {

namespace {
#if defined(__linux__)
constexpr std::string_view SystemeCible = "Linux";
#elif defined(_WIN32)
constexpr std::string_view SystemeCible = "Windows";
#else
constexpr std::string_view SystemeCible = "Unix";
#endif
} // namespace

std::string LigneCompilation(std::string_view systeme, int bits, std::string_view dateCompilateur) {
    std::string ligne = "Compilé pour " + std::string(systeme) + " " + std::to_string(bits) + " bits";
    if (dateCompilateur.size() != 11) {
        return ligne;
    }
    int mois = 0;
    // « Jan », « Feb »… : les trois premières lettres du nom anglais.
    for (int m = 1; m <= 12; ++m) {
        if (NomMoisAnglais(m).starts_with(dateCompilateur.substr(0, 3))) {
            mois = m;
        }
    }
    std::string_view jour = dateCompilateur.substr(4, 2);
    if (jour.front() == ' ') {
        jour.remove_prefix(1);
    }
    const auto numeroJour = LireEntierDecimal(jour);
    const auto annee = LireEntierDecimal(dateCompilateur.substr(7, 4));
    if (mois == 0 || !numeroJour || *numeroJour < 1 || *numeroJour > 31 || !annee || *annee < 0) {
        return ligne;
    }
    std::string nomMois = NomMoisFrancais(mois);
    nomMois.front() = MajusculesAscii(nomMois.substr(0, 1)).front();
    return ligne + " le " + Chiffres(*numeroJour, 2) + " " + nomMois + " " + std::to_string(*annee);
}

std::string LigneCompilation() {
    return LigneCompilation(SystemeCible, static_cast<int>(sizeof(void*) * 8), __DATE__);
}

} // namespace pulsodex
