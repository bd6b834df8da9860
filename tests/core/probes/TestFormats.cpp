#include <gtest/gtest.h>

#include <string>

#include "core/probes/Formats.h"

namespace pulsodex {
namespace {

const FormatNombres Fr{" ", ","};

TEST(Formats, ChaineTaille) {
    const std::pair<std::int64_t, const char*> cas[] = {
        {-1, ""},
        {1024, ""},
        {1025, " (1,00 Ko)"},
        {1048576, " (1 024,00 Ko)"},
        {1048577, " (1,00 Mo)"},
        {1610612736, " (1,50 Go)"},
        {5LL << 40, " (5 120,00 Go)"}, // pas d'unité au-delà du Go
    };
    for (const auto& [taille, attendu] : cas) {
        EXPECT_EQ(ChaineTaille(taille, Fr), attendu) << taille;
    }
}

TEST(Formats, ChaineEspaceDisque) {
    EXPECT_EQ(ChaineEspaceDisque(3, 512, 1000, Fr), "C: 512,00 octets");
    EXPECT_EQ(ChaineEspaceDisque(4, 4026531840LL, 1LL << 40, Fr), "D: 3,75 Go");
    EXPECT_EQ(ChaineEspaceDisque(5, 0, 100, Fr), "E: Plein");
    EXPECT_EQ(ChaineEspaceDisque(0, 0, 100, Fr), "Plein");
    EXPECT_EQ(ChaineEspaceDisque(0, -1, -1, Fr), "Indisponible");
}

TEST(Formats, PourcentageDisque) {
    EXPECT_EQ(PourcentageDisque(3, 200), 2);
    EXPECT_EQ(PourcentageDisque(300, 200), 0);
    EXPECT_EQ(PourcentageDisque(5, 0), 0);
    EXPECT_EQ(PourcentageDisque(200, 200), 100);
}

TEST(Formats, ChaineMemoire) {
    struct Cas {
        std::int64_t libre;
        ModeAffichageMemoire mode;
        const char* attendu;
    };
    using enum ModeAffichageMemoire;
    const Cas cas[] = {
        {0, Octets, "0 octet libre"},
        {1, Octets, "1 octet libre"},
        {2, Octets, "2 octets libres"},
        {1234567, Octets, "1 234 567 octets libres"},
        {1572864, Mo, "1,50 Mo libres"},
        {1536, Ko, "1,50 Ko libres"},
        {1048064, Ko, "1 023,50 Ko libres"},
        {7, static_cast<ModeAffichageMemoire>(9), "7 octets libres"}, // mode inconnu : octets
    };
    for (const auto& k : cas) {
        EXPECT_EQ(ChaineMemoire(k.libre, k.mode, Fr), k.attendu) << k.libre;
    }
}

TEST(Formats, NombresAvecLesSeparateursDeLaLangue) {
    EXPECT_EQ(NombreDeuxDecimales(1023.456, Fr), "1 023,46");
    // Sept chiffres significatifs.
    EXPECT_EQ(NombreDeuxDecimales(123456789.123, Fr), "123 456 800,00");
    EXPECT_EQ(NombreDeuxDecimales(0, Fr), "0,00");
    EXPECT_EQ(NombreEntier(999, Fr), "999");
    EXPECT_EQ(NombreEntier(-1000, Fr), "-1 000");
}

TEST(Formats, ConversionAccentsDOS) {
    std::string texte = "Pr\x82"
                        "f\x8Arences \x90t\x90 \x85 \x87"
                        "a, déjà vu";
    ConversionAccents(texte);
    EXPECT_EQ(texte, "Préfèrences EtE à ça, déjà vu");
}

} // namespace
} // namespace pulsodex
