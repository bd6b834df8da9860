#include "core/config/JoursMois.h"

#include <array>

#include "core/commun/Codes.h"
#include "core/commun/Textes.h"
#include "core/plateforme/Locale.h"

namespace pulsodex {

namespace {
constexpr std::string_view SuffixeDuMois = " du mois";
}

std::vector<std::string> ChoixJours(const LocaleUtilisateur& locale) {
    std::vector<std::string> choix;
    choix.reserve(41);
    choix.emplace_back("Tous");
    for (int j = 1; j <= 7; ++j) {
        choix.push_back(locale.NomJour(j));
    }
    choix.emplace_back("semaine");
    choix.emplace_back("week-end");
    for (int j = 1; j <= 31; ++j) {
        choix.push_back(std::to_string(j) + std::string(SuffixeDuMois));
    }
    return choix;
}

std::vector<std::string> ChoixMois(const LocaleUtilisateur& locale) {
    std::vector<std::string> choix;
    choix.reserve(13);
    choix.emplace_back("Tous");
    for (int m = 1; m <= 12; ++m) {
        choix.push_back(locale.NomMois(m));
    }
    return choix;
}

std::string TexteJour(const LocaleUtilisateur& locale, std::uint8_t jour) {
    if (jour == JourTous) {
        return "Tous";
    }
    if (jour <= JourSamedi) {
        return locale.NomJour(jour);
    }
    if (jour == JourSemaine) {
        return "semaine";
    }
    if (jour == JourWeekEnd) {
        return "week-end";
    }
    if (jour <= JourDuMoisMax) {
        return std::to_string(jour - DecalageJourDuMois) + std::string(SuffixeDuMois);
    }
    return "Tous";
}

std::string TexteMois(const LocaleUtilisateur& locale, std::uint8_t mois) {
    if (mois >= 1 && mois <= 12) {
        return locale.NomMois(mois);
    }
    return "Tous";
}

namespace {
// Dernier nom égal au texte parmi les trois langues ; la langue de
// l'utilisateur passe en dernier, donc l'emporte.
template <typename Nom>
std::uint8_t ChercherNom(std::string_view texte, int nombre, Nom&& nomLocal) {
    std::uint8_t trouve = 0;
    for (int langue = 0; langue < 3; ++langue) {
        for (int i = 1; i <= nombre; ++i) {
            if (EgalSansCasse(nomLocal(langue, i), texte)) {
                trouve = static_cast<std::uint8_t>(i);
            }
        }
    }
    return trouve;
}
} // namespace

std::uint8_t LireTexteJour(const LocaleUtilisateur& locale, std::string_view texte) {
    const std::string minuscules = MinusculesAscii(texte);
    std::uint8_t jour = ChercherNom(minuscules, JourSamedi, [&](int langue, int i) {
        return langue == 0 ? NomJourAnglais(i) : langue == 1 ? NomJourFrancais(i) : locale.NomJour(i);
    });
    if (jour != JourTous) {
        return jour;
    }
    if (minuscules == "semaine") {
        return JourSemaine;
    }
    if (minuscules == "week-end") {
        return JourWeekEnd;
    }
    if (minuscules.ends_with(SuffixeDuMois)) {
        auto n = LireEntierDecimal(
            std::string_view(minuscules).substr(0, minuscules.size() - SuffixeDuMois.size()));
        if (n && *n >= 1 && *n <= 31 && minuscules.front() != '+' && minuscules.front() != '-') {
            return static_cast<std::uint8_t>(*n + DecalageJourDuMois);
        }
    }
    return JourTous;
}

std::uint8_t LireTexteMois(const LocaleUtilisateur& locale, std::string_view texte) {
    return ChercherNom(texte, 12, [&](int langue, int i) {
        return langue == 0 ? NomMoisAnglais(i) : langue == 1 ? NomMoisFrancais(i) : locale.NomMois(i);
    });
}

} // namespace pulsodex
