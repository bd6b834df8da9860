#pragma once
// Formes texte des réglages énumérés : lues après passage en minuscules
// (lettres A à Z seulement), écrites sous une forme fixe.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pulsodex {

struct FormeLue {
    std::string_view Forme;
    std::uint8_t Valeur;
};

struct FormeEcrite {
    std::uint8_t Valeur;
    std::string_view Texte;
};

struct Enumeration {
    std::span<const FormeLue> Lues;
    std::span<const FormeEcrite> Ecrites;
    std::uint8_t Repli;
    std::string_view Defaut; // texte lu quand la valeur manque
};

// La valeur de la première forme égale au texte ; rien si aucune.
std::optional<std::uint8_t> ChercherEnumeration(const Enumeration& e, std::string_view texte);
std::uint8_t LireEnumeration(const Enumeration& e, std::string_view texte);
// Texte écrit pour une valeur ; vide pour une valeur hors de la table.
std::string_view EcrireEnumeration(const Enumeration& e, std::uint8_t valeur);

// Les mêmes, pour un code nommé (Codes.h) : son nombre est celui de la table.
template <typename Code>
Code LireCode(const Enumeration& e, std::string_view texte) {
    return static_cast<Code>(LireEnumeration(e, texte));
}
template <typename Code>
std::string_view EcrireCode(const Enumeration& e, Code code) {
    return EcrireEnumeration(e, static_cast<std::uint8_t>(code));
}

namespace enums {
extern const Enumeration Demarrage;
extern const Enumeration ModeAffichageMemoire;
extern const Enumeration ModeRafraichissementHorloge;
extern const Enumeration Bord;
extern const Enumeration Organisation;
extern const Enumeration Ressource;
extern const Enumeration Unite;
extern const Enumeration ModeLancement;
} // namespace enums

// Style de police : ensemble de drapeaux.
enum StylePolice : std::uint8_t {
    StyleStandard = 0,
    StyleGras = 1,
    StyleItalique = 2,
    StyleSouligne = 4,
    StyleBarre = 8,
};

std::uint8_t LireStylePolice(std::string_view texte);
std::string_view EcrireStylePolice(std::uint8_t style);

} // namespace pulsodex
