#include <gtest/gtest.h>

#include "core/commun/LettresLecteurs.h"
#include "core/commun/Textes.h"

namespace pulsodex {
namespace {

// Le numéro 0 (le total) et ce qui passe Z n'ont pas de lettre ; un autre
// caractère qu'une majuscule n'a pas de numéro.
TEST(LettresLecteurs, LettreEtNumero) {
    const std::pair<std::uint8_t, char> cas[] = {{1, 'A'},  {3, 'C'},   {26, 'Z'},
                                                 {0, '\0'}, {27, '\0'}, {255, '\0'}};
    for (const auto& [numero, lettre] : cas) {
        EXPECT_EQ(LettreDuLecteur(numero), lettre) << int(numero);
        EXPECT_EQ(NumeroDuLecteur(lettre), lettre == '\0' ? 0 : numero) << lettre;
    }
    for (const char lettre : {'@', '[', 'a', 'z', '1', ':'}) {
        EXPECT_EQ(NumeroDuLecteur(lettre), 0) << int(lettre);
    }
}

TEST(Textes, LireEntierDecimal) {
    struct Cas {
        const char* texte;
        std::optional<std::int64_t> attendu;
    };
    // clang-format off
    const Cas cas[] = {
        {"0", 0}, {"-1", -1}, {"+7", 7}, {"2147483648", 2147483648LL}, {"", {}}, {"abc", {}}, {"12a", {}},
        {" 12", {}}, {"12 ", {}}, {"+", {}}, {"-", {}}, {"+-3", {}}, {"1.5", {}}, {"99999999999999999999", {}}};
    // clang-format on
    for (const auto& c : cas) {
        EXPECT_EQ(LireEntierDecimal(c.texte), c.attendu) << c.texte;
    }
}

TEST(Textes, CasseAsciiEtCaracteres) {
    EXPECT_EQ(MinusculesAscii("AVANCÉ"), "avancÉ");
    EXPECT_EQ(MajusculesAscii("oui"), "OUI");
    EXPECT_EQ(MinusculesLatines("FÉVRIER"), "février");
    EXPECT_TRUE(EgalSansCasse("DÉCEMBRE", "décembre"));
    EXPECT_FALSE(EgalSansCasse("decembre", "décembre"));
    EXPECT_EQ(TronquerCaracteres("éèà", 2), "éè");
    EXPECT_EQ(TronquerCaracteres("abc", 5), "abc");
    EXPECT_EQ(NombreCaracteres("é5"), 2U);
}

TEST(Textes, Utf8OuLatin1) {
    struct Cas {
        std::string octets;
        std::string attendu;
    };
    const Cas cas[] = {
        {"", ""},
        {"abc", "abc"},
        {"Événement €", "Événement €"},
        {"\xC9t\xE9", "Été"},
        {"\xC0\x80", "À\u0080"},                     // forme trop longue : pas de l'UTF-8
        {"\xED\xA0\x80", "í\u00A0\u0080"},           // demi-code de substitution
        {"\xF4\x90\x80\x80", "ô\u0090\u0080\u0080"}, // au-delà de U+10FFFF
        {"caf\xC3", "cafÃ"},                         // séquence coupée
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(Utf8OuLatin1(c.octets), c.attendu) << c.octets;
    }
}

} // namespace
} // namespace pulsodex
