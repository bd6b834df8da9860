#include "core/plateforme/Locale.h"

#include <array>
#include <cstdio>

namespace pulsodex {

namespace {
constexpr std::array<const char*, 7> JoursFr = {"dimanche", "lundi",    "mardi", "mercredi",
                                                "jeudi",    "vendredi", "samedi"};
constexpr std::array<const char*, 12> MoisFr = {"janvier",   "février", "mars",     "avril",
                                                "mai",       "juin",    "juillet",  "août",
                                                "septembre", "octobre", "novembre", "décembre"};
constexpr std::array<const char*, 7> JoursCourtsFr = {"dim.", "lun.", "mar.", "mer.", "jeu.", "ven.", "sam."};
constexpr std::array<const char*, 12> MoisCourtsFr = {"janv.", "févr.", "mars",  "avr.", "mai",  "juin",
                                                      "juil.", "août",  "sept.", "oct.", "nov.", "déc."};
constexpr std::array<const char*, 7> JoursEn = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> MoisEn = {"January",   "February", "March",    "April",
                                                "May",       "June",     "July",     "August",
                                                "September", "October",  "November", "December"};

template <std::size_t N>
std::string Entree(const std::array<const char*, N>& table, int indice) {
    if (indice < 1 || indice > static_cast<int>(N)) {
        return {};
    }
    return table[static_cast<std::size_t>(indice - 1)];
}
} // namespace

std::string NomJourFrancais(int jour) {
    return Entree(JoursFr, jour);
}
std::string NomMoisFrancais(int mois) {
    return Entree(MoisFr, mois);
}
std::string NomJourAnglais(int jour) {
    return Entree(JoursEn, jour);
}
std::string NomMoisAnglais(int mois) {
    return Entree(MoisEn, mois);
}

std::string LocaleFrancaise::NomJour(int jour) const {
    return NomJourFrancais(jour);
}
std::string LocaleFrancaise::NomMois(int mois) const {
    return NomMoisFrancais(mois);
}

std::string LocaleFrancaise::NomJourCourt(int jour) const {
    return Entree(JoursCourtsFr, jour);
}
std::string LocaleFrancaise::NomMoisCourt(int mois) const {
    return Entree(MoisCourtsFr, mois);
}

std::string LocaleFrancaise::DateHeureCourte(const DateHeure& m) const {
    std::array<char, 64> tampon{};
    std::snprintf(tampon.data(), tampon.size(), "%02d/%02d/%04d %02d:%02d:%02d", m.Jour, m.Mois, m.Annee,
                  m.Heure, m.Minute, m.Seconde);
    return tampon.data();
}

} // namespace pulsodex
