#pragma once
// Vérification des deux zones de la page « Agen&da » : l'heure précise et la
// minute de chaque heure. Fonctions d'un texte, sans dialogue.
#include <optional>
#include <string>
#include <string_view>

namespace pulsodex {

// Une heure tapée : heures, séparateur, minutes, et au besoin séparateur et
// secondes (heures 0 à 23, minutes et secondes 0 à 59, un ou deux chiffres
// chacune). Le séparateur est celui de la langue de l'utilisateur ; « : » est
// toujours accepté. Rend l'heure réécrite « hh » séparateur « mm », rien si le
// texte ne se lit pas.
std::optional<std::string> LireHeureSaisie(std::string_view texte, std::string_view separateur);

// Une minute tapée : un nombre écrit en chiffres ; au-delà de 59 il devient 0.
// Rend le nombre sur deux chiffres, rien si le texte n'est pas un nombre.
std::optional<std::string> LireMinuteSaisie(std::string_view texte);

// « Heure incorrecte. L'heure doit être au format "hh:mm". »
std::string TexteHeureIncorrecte(std::string_view separateur);
inline constexpr const char* TexteMinuteIncorrecte = "Valeur incorrecte.";

// La zone montre l'heure avec le séparateur de la langue ; l'événement la
// garde avec « : », la forme que l'agenda compare à l'heure courante.
std::string HeureStockee(std::string_view saisie, std::string_view separateur);
std::string HeureAffichee(std::string_view heure, std::string_view separateur);

} // namespace pulsodex
