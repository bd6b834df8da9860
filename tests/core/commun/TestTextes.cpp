#include <gtest/gtest.h>

#include "core/commun/LettresLecteurs.h"
#include "core/commun/Textes.h"

namespace pulsodex {
namespace {

// Le numéro 0 (le total) et ce qui passe Z n'ont pas de lettre ; une autre
// chose qu'une majuscule n'a pas de numéro.
TEST(LettresLecteurs, LettreEtNumero) {
    const std::pair<std::uint8_t, char> cas[] = {{1, 'A'}, {26, 'Z'}, {0, '\0'}, {27, '\0'}};
    for (const auto& [numero, lettre] : cas) {
        EXPECT_EQ(LettreDuLecteur(numero), lettre) << int(numero);
    }
    EXPECT_EQ(NumeroDuLecteur('Z'), 26);
    EXPECT_TRUE(NumeroDuLecteur('@') == 0 && NumeroDuLecteur('[') == 0 && NumeroDuLecteur('a') == 0);
}

TEST(Textes, LireEntierDecimal) {
    const std::pair<const char*, std::optional<std::int64_t>> cas[] = {
        {"0", 0},    {"-1", -1}, {"+7", 7},   {"2147483648", 2147483648LL}, {"", {}}, {"12a", {}},
        {" 12", {}}, {"+", {}},  {"+-3", {}}, {"99999999999999999999", {}}};
    for (const auto& [texte, attendu] : cas) {
        EXPECT_EQ(LireEntierDecimal(texte), attendu) << texte;
    }
}

TEST(Textes, CasseEtCaracteres) {
    EXPECT_EQ(MinusculesAscii("AVANCÉ"), "avancÉ");
    EXPECT_EQ(MinusculesLatines("FÉVRIER"), "février");
    EXPECT_TRUE(EgalSansCasse("DÉCEMBRE", "décembre"));
    EXPECT_FALSE(EgalSansCasse("decembre", "décembre"));
    EXPECT_EQ(TronquerCaracteres("éèà", 2), "éè");
}

TEST(Textes, Utf8OuLatin1) {
    const std::pair<std::string, std::string> cas[] = {
        {"Événement €", "Événement €"},
        {"\xC9t\xE9", "Été"},
        {"\xC0\x80", "À\u0080"},                     // forme trop longue : pas de l'UTF-8
        {"\xF4\x90\x80\x80", "ô\u0090\u0080\u0080"}, // au-delà de U+10FFFF
        {"caf\xC3", "cafÃ"},                         // séquence coupée
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}};
    for (const auto& [octets, attendu] : cas) {
        EXPECT_EQ(Utf8OuLatin1(octets), attendu) << octets;
    }
}

} // namespace
} // namespace pulsodex
