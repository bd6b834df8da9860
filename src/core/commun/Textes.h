#pragma once
// Petites fonctions de texte partagées (UTF-8).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pulsodex {

// Minuscules des lettres A à Z seulement (les capitales accentuées restent).
std::string MinusculesAscii(std::string_view texte);
// Majuscules des lettres a à z seulement.
std::string MajusculesAscii(std::string_view texte);
// Minuscules de A à Z et des capitales latines accentuées (À à Þ) : pour
// comparer des noms de jours ou de mois sans tenir compte de la casse.
std::string MinusculesLatines(std::string_view texte);
bool EgalSansCasse(std::string_view a, std::string_view b);

// Les n premiers caractères (et non octets) d'un texte UTF-8.
std::string TronquerCaracteres(std::string_view texte, std::size_t n);
std::size_t NombreCaracteres(std::string_view texte);

// Entier décimal signé écrit seul (signe facultatif, chiffres) ; rien sinon.
std::optional<std::int64_t> LireEntierDecimal(std::string_view texte);

// Longueur de la séquence UTF-8 valide qui commence en `i`, 0 si invalide
// (ni surlongue, ni substitut, ni au-delà de U+10FFFF).
std::size_t SequenceUtf8(std::string_view texte, std::size_t i);
bool Utf8Valide(std::string_view texte);
// Le caractère de la séquence valide qui commence en `i` (SequenceUtf8 octets).
char32_t PointUtf8(std::string_view texte, std::size_t i);
// Ajoute le caractère en UTF-8 ; U+FFFD pour un substitut ou au-delà de U+10FFFF.
void AjouterUtf8(std::string& texte, char32_t point);

// Octets venus d'ailleurs rendus en UTF-8 : tels quels s'ils sont de l'UTF-8
// valide, sinon lus comme du Latin-1.
std::string Utf8OuLatin1(std::string_view octets);
// Le nombre en décimal, complété de zéros à gauche jusqu'à la largeur.
std::string Chiffres(int n, std::size_t largeur);

} // namespace pulsodex
