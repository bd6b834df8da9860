#include <gtest/gtest.h>

#include "core/commun/LettresLecteurs.h"
#include "core/commun/Textes.h"

namespace pulsodex {
namespace {

TEST(LettresLecteurs, LettreEtNumero) {
    struct Cas {
        std::uint8_t numero;
        char lettre;
    };
    const Cas cas[] = {{1, 'A'}, {2, 'B'}, {3, 'C'}, {25, 'Y'}, {26, 'Z'}};
    for (const auto& k : cas) {
        EXPECT_EQ(LettreDuLecteur(k.numero), k.lettre) << int(k.numero);
        EXPECT_EQ(NumeroDuLecteur(k.lettre), k.numero) << k.lettre;
    }
    // Ni lettre pour le total (0) ou au-delà de Z, ni numéro pour un autre caractère.
    for (const std::uint8_t numero : {0, 27, 64, 255}) {
        EXPECT_EQ(LettreDuLecteur(numero), '\0') << int(numero);
    }
    for (const char lettre : {'\0', '@', '[', 'a', 'c', 'z', '1', ':', ' '}) {
        EXPECT_EQ(NumeroDuLecteur(lettre), 0) << int(lettre);
    }
}

TEST(Textes, LireEntierDecimal) {
    struct Cas {
        const char* texte;
        std::optional<std::int64_t> attendu;
    };
    const Cas cas[] = {
        {"0", 0},
        {"-1", -1},
        {"+7", 7},
        {"2147483648", 2147483648LL},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {" 12", std::nullopt},
        {"12 ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"+-3", std::nullopt},
        {"1.5", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(LireEntierDecimal(c.texte), c.attendu) << c.texte;
    }
}

TEST(Textes, CasseAsciiSeulementPourLesEnumerations) {
    EXPECT_EQ(MinusculesAscii("AVANCÉ"), "avancÉ");
    EXPECT_EQ(MajusculesAscii("oui"), "OUI");
    EXPECT_EQ(MinusculesLatines("FÉVRIER"), "février");
    EXPECT_TRUE(EgalSansCasse("DÉCEMBRE", "décembre"));
    EXPECT_FALSE(EgalSansCasse("decembre", "décembre"));
}

TEST(Textes, TronqueParCaracteres) {
    EXPECT_EQ(TronquerCaracteres("éèà", 2), "éè");
    EXPECT_EQ(TronquerCaracteres("C:", 1), "C");
    EXPECT_EQ(TronquerCaracteres("", 1), "");
    EXPECT_EQ(TronquerCaracteres("abc", 5), "abc");
    EXPECT_EQ(NombreCaracteres("07:30"), 5U);
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
