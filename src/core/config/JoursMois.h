#pragma once
// Listes des choix de jour (41) et de mois (13) et leur lecture.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pulsodex {

class LocaleUtilisateur;

std::vector<std::string> ChoixJours(const LocaleUtilisateur& locale);
std::vector<std::string> ChoixMois(const LocaleUtilisateur& locale);
std::string TexteJour(const LocaleUtilisateur& locale, std::uint8_t jour);
std::string TexteMois(const LocaleUtilisateur& locale, std::uint8_t mois);

// Lecture d'un texte de jour ou de mois : les noms de la langue de
// l'utilisateur, et aussi les noms français et anglais, quelle que soit la
// casse ; tout autre texte donne 0.
std::uint8_t LireTexteJour(const LocaleUtilisateur& locale, std::string_view texte);
std::uint8_t LireTexteMois(const LocaleUtilisateur& locale, std::string_view texte);

} // namespace pulsodex
