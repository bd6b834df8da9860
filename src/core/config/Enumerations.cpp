#include "core/config/Enumerations.h"

#include <array>
#include <string>

#include "core/commun/Textes.h"

namespace pulsodex {

std::optional<std::uint8_t> ChercherEnumeration(const Enumeration& e, std::string_view texte) {
    const std::string minuscules = MinusculesAscii(texte);
    for (const auto& forme : e.Lues) {
        if (forme.Forme == minuscules) {
            return forme.Valeur;
        }
    }
    return std::nullopt;
}

std::uint8_t LireEnumeration(const Enumeration& e, std::string_view texte) {
    return ChercherEnumeration(e, texte).value_or(e.Repli);
}

std::string_view EcrireEnumeration(const Enumeration& e, std::uint8_t valeur) {
    for (const auto& ecrite : e.Ecrites) {
        if (ecrite.Valeur == valeur) {
            return ecrite.Texte;
        }
    }
    return {};
}

namespace enums {
namespace {
constexpr std::array<FormeLue, 7> DemarrageLues{
    {{"normal", 0}, {"visible", 0}, {"0", 0}, {"icone", 1}, {"masque", 1}, {"masqué", 1}, {"1", 1}}};
constexpr std::array<FormeEcrite, 2> DemarrageEcrites{{{0, "Visible"}, {1, "Masqué"}}};

constexpr std::array<FormeLue, 8> ModeMemLues{
    {{"octet", 1}, {"octets", 1}, {"kilo octets", 1}, {"1", 1}, {"ko", 2}, {"2", 2}, {"mo", 3}, {"3", 3}}};
constexpr std::array<FormeEcrite, 3> ModeMemEcrites{{{1, "Octet"}, {2, "Ko"}, {3, "Mo"}}};

constexpr std::array<FormeLue, 6> HorlogeLues{
    {{"minute", 1}, {"minutes", 1}, {"1", 1}, {"seconde", 2}, {"secondes", 2}, {"2", 2}}};
constexpr std::array<FormeEcrite, 2> HorlogeEcrites{{{1, "Minute"}, {2, "Seconde"}}};

constexpr std::array<FormeLue, 11> BordLues{{{"sans", 0},
                                             {"aucun", 0},
                                             {"0", 0},
                                             {"creux", 1},
                                             {"enfonce", 1},
                                             {"enfoncé", 1},
                                             {"1", 1},
                                             {"relief", 2},
                                             {"releve", 2},
                                             {"relevé", 2},
                                             {"2", 2}}};
constexpr std::array<FormeEcrite, 3> BordEcrites{{{0, "Sans"}, {1, "Creux"}, {2, "Relief"}}};

constexpr std::array<FormeLue, 10> OrganisationLues{{{"sans", 0},
                                                     {"manuelle", 0},
                                                     {"0", 0},
                                                     {"ligne", 1},
                                                     {"1", 1},
                                                     {"colonne", 2},
                                                     {"2", 2},
                                                     {"avance", 3},
                                                     {"avancé", 3},
                                                     {"3", 3}}};
constexpr std::array<FormeEcrite, 4> OrganisationEcrites{
    {{0, "Manuelle"}, {1, "Ligne"}, {2, "Colonne"}, {3, "Avancé"}}};

constexpr std::array<FormeLue, 12> RessourceLues{{{"non_trouve", 0},
                                                  {"mémoire", 1},
                                                  {"memoire", 1},
                                                  {"mem", 1},
                                                  {"mémoire physique", 2},
                                                  {"memoire physique", 2},
                                                  {"physique", 2},
                                                  {"utilisation mémoire", 4},
                                                  {"utilisation memoire", 4},
                                                  {"utilisation", 4},
                                                  {"disque", 3},
                                                  {"disk", 3}}};
constexpr std::array<FormeEcrite, 4> RessourceEcrites{
    {{1, "Mémoire"}, {2, "Mémoire physique"}, {3, "Disque"}, {4, "Utilisation mémoire"}}};

constexpr std::array<FormeLue, 10> UniteLues{{{"%", 1},
                                              {"1", 1},
                                              {"octet", 2},
                                              {"octets", 2},
                                              {"kilo octets", 2},
                                              {"2", 2},
                                              {"ko", 3},
                                              {"3", 3},
                                              {"mo", 4},
                                              {"4", 4}}};
constexpr std::array<FormeEcrite, 4> UniteEcrites{{{1, "%"}, {2, "Octet"}, {3, "Ko"}, {4, "Mo"}}};

constexpr std::array<FormeLue, 6> LancementLues{
    {{"normal", 0}, {"0", 0}, {"icone", 1}, {"1", 1}, {"agrandi", 2}, {"2", 2}}};
constexpr std::array<FormeEcrite, 3> LancementEcrites{{{0, "normal"}, {1, "icone"}, {2, "agrandi"}}};
} // namespace

const Enumeration Demarrage{DemarrageLues, DemarrageEcrites, 0, "Visible"};
const Enumeration ModeAffichageMemoire{ModeMemLues, ModeMemEcrites, 1, "1"};
const Enumeration ModeRafraichissementHorloge{HorlogeLues, HorlogeEcrites, 1, "1"};
const Enumeration Bord{BordLues, BordEcrites, 1, "1"};
const Enumeration Organisation{OrganisationLues, OrganisationEcrites, 0, "3"};
const Enumeration Ressource{RessourceLues, RessourceEcrites, 0, "non_trouve"};
const Enumeration Unite{UniteLues, UniteEcrites, 0, "Mo"};
const Enumeration ModeLancement{LancementLues, LancementEcrites, 0, "0"};
} // namespace enums

std::uint8_t LireStylePolice(std::string_view texte) {
    const std::string minuscules = MinusculesAscii(texte);
    if (minuscules == "italique") {
        return StyleItalique;
    }
    if (minuscules == "gras") {
        return StyleGras;
    }
    if (minuscules == "gras italique" || minuscules == "italique gras") {
        return StyleGras | StyleItalique;
    }
    return StyleStandard;
}

std::string_view EcrireStylePolice(std::uint8_t style) {
    switch (style) {
    case StyleStandard:
        return "Standard";
    case StyleItalique:
        return "Italique";
    case StyleGras:
        return "Gras";
    case StyleGras | StyleItalique:
        return "Gras Italique";
    default:
        return "";
    }
}

} // namespace pulsodex
