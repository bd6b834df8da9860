#include <gtest/gtest.h>

#include "CpuidEssai.h"
#include "core/probes/IdentificationProcesseur.h"
#include "core/probes/TCpuInfo.h"

namespace pulsodex::test {
namespace {

// Range un texte de marque (complété de zéros) dans les fonctions premiere à
// derniere ; la fonction de base de la plage répond max.
void AjouterMarque(ReponsesCpuid& r, std::uint32_t premiere, std::uint32_t derniere, std::uint32_t max,
                   std::string octets) {
    octets.resize((derniere - premiere + 1) * 16, '\0');
    r.Fonctions[premiere & 0xFFFF0000U] = {max, 0, 0, 0};
    for (std::uint32_t f = premiere; f <= derniere; ++f) {
        const char* p = octets.data() + (f - premiere) * 16;
        r.Fonctions[f] = {Mot(p), Mot(p + 4), Mot(p + 8), Mot(p + 12)};
    }
}

TEST(IdentificationProcesseur, ChaineDeMarqueOuLesTables) {
    struct Cas {
        std::string marque;
        std::uint32_t max; // plus haute fonction étendue annoncée
        const char* nom;
    };
    const Cas cas[] = {
        {"      Intel(R) Pentium(R) 4 CPU 2.80GHz", 0x80000004, "Intel(R) Pentium(R) 4 CPU 2.80GHz"},
        {std::string("AMD Duron(tm)  \0\0 reste", 24), 0x80000004, "AMD Duron(tm)"},
        {"AMD Ryzen 7 5700X 8-Core Processor   ", 0x80000020, "AMD Ryzen 7 5700X 8-Core Processor"},
        // Fonction trop basse, réponse hors plage, marque vide : les tables.
        {"Marque", 0x80000003, "Intel 80486 DX2-WB"},
        {"Marque", 0x00000474, "Intel 80486 DX2-WB"},
        {"   ", 0x80000004, "Intel 80486 DX2-WB"},
    };
    for (const auto& k : cas) {
        ReponsesCpuid r = ReponsesDe("GenuineIntel", 0x474);
        AjouterMarque(r, 0x80000002, 0x80000004, k.max, k.marque);
        EXPECT_EQ(NomProcesseur(r), k.nom) << k.marque;
    }
    // Octets hors ASCII rendus en UTF-8 valide.
    EXPECT_EQ(ChaineMarque({{Mot("Caf\xE9"), 0, 0, 0}}), "Caf\xC3\xA9");
}

TEST(IdentificationProcesseur, Transmeta) {
    ReponsesCpuid r = ReponsesDe("GenuineTMx86", 0x00000543);
    AjouterMarque(r, 0x80860003, 0x80860006, 0x80860006, "Transmeta(tm) Crusoe(tm) TM5800 - 933 MHz");
    // La plage étendue ordinaire ne compte pas pour Transmeta.
    AjouterMarque(r, 0x80000002, 0x80000004, 0x80000004, "Autre");
    EXPECT_EQ(NomProcesseur(r), "Transmeta(tm) Crusoe(tm) TM5800 - 933 MHz");
}

TEST(IdentificationProcesseur, NomParLesTables) {
    struct Cas {
        const char* fabricant;
        std::uint32_t signature;
        std::uint32_t indice;       // indice de marque (EBX de la fonction 1)
        std::uint32_t descripteurs; // fonction 2 : cache de niveau 2
        const char* nom;
    };
    const Cas cas[] = {
        {"GenuineIntel", 0x6B1, 3, 1, "Intel Celeron"},
        {"GenuineIntel", 0x6B4, 3, 1, "Intel Pentium III Xeon"},
        {"GenuineIntel", 0xF12, 8, 1, "Intel Pentium 4"},
        {"GenuineIntel", 0xF13, 9, 1, "Intel Pentium Processor"},
        {"GenuineIntel", 0xF27, 14, 1, "Intel Mobile Pentium 4"},
        // Indice sans ligne : la famille et le modèle décident.
        {"GenuineIntel", 0x695, 5, 1, "Intel x86 Family 6 Model 9 Stepping 5 (Brand 5)"},
        {"GenuineIntel", 0x433, 0, 1, "Intel 80486 DX2 / i487"},
        {"GenuineIntel", 0x633, 0, 1, "Intel Pentium II (Model \"Klamath\")"},
        {"GenuineIntel", 0x1632, 0, 1, "Intel Pentium II Overdrive (Model \"Klamath\")"},
        // Modèle 5 selon le cache : 128 Ko, 512 Ko, 1 Mo.
        {"GenuineIntel", 0x651, 0, 0x4101, "Intel Celeron (Model \"Deschutes\")"},
        {"GenuineIntel", 0x652, 0, 0x4301, "Intel Pentium II (Model \"Deschutes\")"},
        {"GenuineIntel", 0x653, 0, 0x4401, "Intel Pentium II Xeon (Model \"Deschutes\")"},
        {"GenuineIntel", 0x660, 0, 0x4101, "Intel CeleronA (Model \"Mendocino\")"},
        {"GenuineIntel", 0x686, 0, 0x8201, "Intel Pentium III (Model \"Coppermine\")"},
        // Modèle étendu : ce n'est plus une ligne de la table.
        {"GenuineIntel", 0x106A5, 0, 1, "Intel x86 Family 6 Model 26 Stepping 5 (Brand 0)"},
        {"GenuineIntel", 0xF29, 0, 1, "Intel x86 Family 15 Model 2 Stepping 9 (Brand 0)"},
        {"AuthenticAMD", 0x437, 0, 1, "AMD AM486DX2"},
        {"AuthenticAMD", 0x20F32, 0, 1, "AMD x86 Family 15 Model 35 Stepping 2 (Brand 0)"},
        {"AuthenticAMD", 0x474, 0, 1, "AMD AM486DX2"}, // la table d'Intel ne sert qu'à Intel
        {"CyrixInstead", 0x673, 0, 1, "Via Cyrix III"},
        {"CentaurHauls", 0x663, 0, 1, "Via x86 Family 6 Model 6 Stepping 3 (Brand 0)"},
        {"HygonGenuine", 0x900F01, 0, 1, "Unknown x86 Family 24 Model 0 Stepping 1 (Brand 0)"},
        {"BadCpuVendor", 0x6D2, 0x12, 1, "Unknown x86 Family 6 Model 13 Stepping 2 (Brand 18)"},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(NomProcesseur(ReponsesDe(k.fabricant, k.signature, k.indice, k.descripteurs)), k.nom)
            << k.fabricant << std::hex << " " << k.signature << " indice " << k.indice;
    }
}

TEST(IdentificationProcesseur, FichesEtCache) {
    EXPECT_EQ(FicheDe("GenuineIntel").Societe, "Intel Corporation");
    EXPECT_EQ(FicheDe("genuineintel").Numero, Fabricant::Inconnu);
    // EAX : l'octet bas compte les appels ; bit 31 : registre sans descripteurs.
    EXPECT_EQ(TailleCacheL2({0x03020101, 0, 0, 0x0C040843}), 512U * 1024U);
    EXPECT_EQ(TailleCacheL2({0x00000041, 0, 0, 0}), 0U);
    EXPECT_EQ(TailleCacheL2({0x01, 0x80000044, 0, 0x7D}), 2048U * 1024U);
}

TEST(TCpuInfo, NomParCpuidOuParLeSysteme) {
    SourceFixe source;
    source.Cpuid = ReponsesDe("RiseRiseRise", 0x520);
    source.Systeme = "Nom du système";
    const TCpuInfo info(source);
    EXPECT_EQ(info.Processeur(0)->Name()->Nom(), "Rise iDragon II");
    source.Cpuid = {};
    EXPECT_EQ(info.Processeur(0)->Name()->Nom(), "Nom du système");
    source.Systeme.clear();
    EXPECT_EQ(info.Processeur(0)->Name()->Nom(), "Processeur inconnu");
}

} // namespace
} // namespace pulsodex::test
