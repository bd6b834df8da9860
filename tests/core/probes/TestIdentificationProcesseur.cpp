#include <gtest/gtest.h>

#include "CpuidEssai.h"
#include "core/probes/IdentificationProcesseur.h"
#include "core/probes/TCpuInfo.h"

namespace pulsodex::test {
namespace {

// Range un texte de marque (complété de zéros) dans les fonctions à partir de premiere.
void AjouterMarque(ReponsesCpuid& r, std::uint32_t base, std::uint32_t premiere, std::uint32_t derniere,
                   const std::string& marque) {
    const std::size_t taille = (derniere - premiere + 1) * 16;
    std::string octets = marque;
    octets.resize(taille, '\0');
    r.Fonctions[base] = {derniere, 0, 0, 0};
    for (std::uint32_t f = premiere; f <= derniere; ++f) {
        const char* p = octets.data() + (f - premiere) * 16;
        r.Fonctions[f] = {Mot(p), Mot(p + 4), Mot(p + 8), Mot(p + 12)};
    }
}

TEST(IdentificationProcesseur, ChaineDeMarqueSansBlancsNiZeros) {
    ReponsesCpuid r = ReponsesDe("GenuineIntel", 0x00000F29);
    AjouterMarque(r, 0x80000000, 0x80000002, 0x80000004, "              Intel(R) Pentium(R) 4 CPU 2.80GHz");
    EXPECT_EQ(NomProcesseur(r), "Intel(R) Pentium(R) 4 CPU 2.80GHz");

    ReponsesCpuid amd = ReponsesDe("AuthenticAMD", 0x00000681);
    AjouterMarque(amd, 0x80000000, 0x80000002, 0x80000004, std::string("AMD Duron(tm)  \0\0 reste", 24));
    EXPECT_EQ(NomProcesseur(amd), "AMD Duron(tm)");

    // Fonctions étendues au-delà de 0x80000004 : toujours la marque.
    ReponsesCpuid moderne = ReponsesDe("AuthenticAMD", 0x00A20F10);
    AjouterMarque(moderne, 0x80000000, 0x80000002, 0x80000004, "AMD Ryzen 7 5700X 8-Core Processor   ");
    moderne.Fonctions[0x80000000].Eax = 0x80000020;
    EXPECT_EQ(NomProcesseur(moderne), "AMD Ryzen 7 5700X 8-Core Processor");

    // Octets hors ASCII rendus en UTF-8 valide.
    EXPECT_EQ(ChaineMarque({{Mot("Caf\xE9"), 0, 0, 0}}), "Caf\xC3\xA9");
}

TEST(IdentificationProcesseur, SansMarqueUtilisableLesTables) {
    // Plus haute fonction étendue trop basse : pas de marque.
    ReponsesCpuid r = ReponsesDe("GenuineIntel", 0x00000474);
    AjouterMarque(r, 0x80000000, 0x80000002, 0x80000004, "Marque");
    r.Fonctions[0x80000000].Eax = 0x80000003;
    EXPECT_EQ(NomProcesseur(r), "Intel 80486 DX2-WB");
    // Réponse hors plage (processeur sans fonctions étendues) : pas de marque.
    r.Fonctions[0x80000000].Eax = 0x00000474;
    EXPECT_EQ(NomProcesseur(r), "Intel 80486 DX2-WB");
    // Marque vide : les tables plutôt qu'un nom vide.
    AjouterMarque(r, 0x80000000, 0x80000002, 0x80000004, "   ");
    EXPECT_EQ(NomProcesseur(r), "Intel 80486 DX2-WB");
}

TEST(IdentificationProcesseur, Transmeta) {
    ReponsesCpuid r = ReponsesDe("GenuineTMx86", 0x00000543);
    AjouterMarque(r, 0x80860000, 0x80860003, 0x80860006,
                  "Transmeta(tm) Crusoe(tm) Processor TM5800 rev 3.0 - 933 MHz");
    EXPECT_EQ(NomProcesseur(r), "Transmeta(tm) Crusoe(tm) Processor TM5800 rev 3.0 - 933 MHz");
    // La plage étendue ordinaire ne compte pas pour Transmeta.
    ReponsesCpuid sans = ReponsesDe("GenuineTMx86", 0x00000543);
    AjouterMarque(sans, 0x80000000, 0x80000002, 0x80000004, "Autre");
    sans.Fonctions[0x80860000] = {0x80860005, 0, 0, 0};
    EXPECT_EQ(NomProcesseur(sans), "Transmeta x86 Family 5 Model 4 Stepping 3 (Brand 0)");
}

TEST(IdentificationProcesseur, IntelParIndiceDeMarque) {
    struct Cas {
        std::uint32_t signature;
        std::uint32_t indice;
        const char* nom;
    };
    const Cas cas[] = {
        {0x6B1, 3, "Intel Celeron"},
        {0x6B4, 3, "Intel Pentium III Xeon"},
        {0x6B1, 1, "Intel Celeron"},
        {0x6B1, 10, "Intel Celeron"},
        {0x683, 2, "Intel Pentium III"},
        {0x6B1, 4, "Intel Pentium III"},
        {0x6B1, 6, "Intel Mobile Pentium III"},
        {0x6B1, 7, "Intel Mobile Celeron"},
        {0xF24, 15, "Intel Mobile Celeron"},
        {0xF12, 8, "Intel Pentium 4"},
        {0xF13, 9, "Intel Pentium Processor"},
        {0xF12, 11, "Intel Pentium 4 Xeon MP"},
        {0xF13, 11, "Intel Pentium 4 Xeon"},
        {0xF24, 12, "Intel Pentium 4 Xeon MP"},
        {0xF12, 14, "Intel Pentium 4 Xeon"},
        {0xF27, 14, "Intel Mobile Pentium 4"},
        {0x695, 22, "Intel Pentium M"},
        // Indice sans ligne : la famille et le modèle décident.
        {0x695, 5, "Intel x86 Family 6 Model 9 Stepping 5 (Brand 5)"},
        {0x672, 0, "Intel Pentium III (Model \"Katmai\")"},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(NomProcesseur(ReponsesDe("GenuineIntel", k.signature, k.indice)), k.nom)
            << std::hex << k.signature << " indice " << std::dec << k.indice;
    }
}

TEST(IdentificationProcesseur, IntelParFamilleEtModele) {
    struct Cas {
        std::uint32_t signature;
        std::uint32_t descripteurs; // fonction 2 : cache de niveau 2
        const char* nom;
    };
    const Cas cas[] = {
        {0x400, 0x01, "Intel 80486 DX 25/33"},
        {0x433, 0x01, "Intel 80486 DX2 / i487"},
        {0x474, 0x01, "Intel 80486 DX2-WB"},
        {0x490, 0x01, "Intel 80486 DX4-WB"},
        {0x461, 0x01, "Intel x86 Family 4 Model 6 Stepping 1 (Brand 0)"},
        {0x52C, 0x01, "Intel Pentium 75-200"},
        {0x543, 0x01, "Intel Pentium MMX 166/200"},
        {0x570, 0x01, "Intel Pentium P55C"},
        {0x560, 0x01, "Intel x86 Family 5 Model 6 Stepping 0 (Brand 0)"},
        {0x617, 0x01, "Intel Pentium Pro"},
        {0x633, 0x01, "Intel Pentium II (Model \"Klamath\")"},
        {0x1632, 0x01, "Intel Pentium II Overdrive (Model \"Klamath\")"},
        // Modèle 5 : sans cache, 128 Ko, 512 Ko, 1 Mo.
        {0x650, 0x4001, "Intel Celeron (Model \"Deschutes\")"},
        {0x651, 0x4101, "Intel Celeron (Model \"Deschutes\")"},
        {0x652, 0x4301, "Intel Pentium II (Model \"Deschutes\")"},
        {0x653, 0x4401, "Intel Pentium II Xeon (Model \"Deschutes\")"},
        // Modèle 6 : 128 Ko, puis 256 Ko.
        {0x660, 0x4101, "Intel CeleronA (Model \"Mendocino\")"},
        {0x66A, 0x4201, "Intel Mobile Pentium II"},
        {0x672, 0x4301, "Intel Pentium III (Model \"Katmai\")"},
        {0x673, 0x4501, "Intel Pentium III Xeon (Model \"Katmai\")"},
        {0x683, 0x4101, "Intel Celeron (Model \"Coppermine\")"},
        {0x686, 0x8201, "Intel Pentium III (Model \"Coppermine\")"},
        {0x68A, 0x8401, "Intel Pentium III Xeon (Model \"Coppermine\")"},
        {0x6A0, 0x01, "Intel Pentium III Xeon (Model \"Cascades\")"},
        {0x6B1, 0x01, "Intel Mobile Pentium III"},
        {0x6F1, 0x01, "Intel Pentium 4"},
        // Modèle étendu : ce n'est plus une ligne de la table.
        {0x106A5, 0x01, "Intel x86 Family 6 Model 26 Stepping 5 (Brand 0)"},
        {0x6D2, 0x01, "Intel x86 Family 6 Model 13 Stepping 2 (Brand 0)"},
        {0xF29, 0x01, "Intel x86 Family 15 Model 2 Stepping 9 (Brand 0)"},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(NomProcesseur(ReponsesDe("GenuineIntel", k.signature, 0, k.descripteurs)), k.nom)
            << std::hex << k.signature;
    }
}

TEST(IdentificationProcesseur, AutresFabricants) {
    struct Cas {
        const char* fabricant;
        std::uint32_t signature;
        const char* nom;
    };
    const Cas cas[] = {
        {"AuthenticAMD", 0x437, "AMD AM486DX2"},
        {"AuthenticAMD", 0x4F4, "AMD AM5x86"},
        {"AuthenticAMD", 0x501, "AMD K5"},
        {"AuthenticAMD", 0x570, "AMD K6"},
        {"AuthenticAMD", 0x58C, "AMD K6 2"},
        {"AuthenticAMD", 0x5D0, "AMD K6 III"},
        {"AuthenticAMD", 0x612, "Athlon (Model 1)"},
        {"AuthenticAMD", 0x630, "Duron (Model 3)"},
        {"AuthenticAMD", 0x662, "Athlon XP, MP, 4 ou Duron (Model 6)"},
        {"AuthenticAMD", 0x681, "Athlon XP ou Athlon MP (Model 8)"},
        {"AuthenticAMD", 0x6A0, "AMD Athlon XP, MP, XP-M (Model 10)"},
        {"AuthenticAMD", 0x650, "AMD x86 Family 6 Model 5 Stepping 0 (Brand 0)"},
        {"AuthenticAMD", 0x20F32, "AMD x86 Family 15 Model 35 Stepping 2 (Brand 0)"},
        {"CyrixInstead", 0x449, "Cyrix Media GX"},
        {"CyrixInstead", 0x520, "Cyrix 6x86"},
        {"CyrixInstead", 0x600, "Cyrix 6x86MX"},
        {"CyrixInstead", 0x673, "Via Cyrix III"},
        {"CyrixInstead", 0x610, "Cyrix x86 Family 6 Model 1 Stepping 0 (Brand 0)"},
        {"CentaurHauls", 0x540, "IDT WinChip"},
        {"CentaurHauls", 0x585, "IDT WinChip 2"},
        {"CentaurHauls", 0x591, "IDT WinChip 3"},
        {"CentaurHauls", 0x663, "Via x86 Family 6 Model 6 Stepping 3 (Brand 0)"},
        {"NexGenDriven", 0x500, "NexGen Nx586"},
        {"UMC UMC UMC ", 0x412, "UMC U5D"},
        {"UMC UMC UMC ", 0x421, "UMC U5D"},
        {"RiseRiseRise", 0x500, "Rise iDragon"},
        {"RiseRiseRise", 0x520, "Rise iDragon II"},
        {"RiseRiseRise", 0x580, "Rise x86 Family 5 Model 8 Stepping 0 (Brand 0)"},
        {"GenuineTMx86", 0x543, "Transmeta x86 Family 5 Model 4 Stepping 3 (Brand 0)"},
        {"Inconnu12car", 0x543, "Unknown x86 Family 5 Model 4 Stepping 3 (Brand 0)"},
        {"HygonGenuine", 0x900F01, "Unknown x86 Family 24 Model 0 Stepping 1 (Brand 0)"},
        // La table d'Intel ne sert qu'à Intel.
        {"AuthenticAMD", 0x474, "AMD AM486DX2"},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(NomProcesseur(ReponsesDe(k.fabricant, k.signature)), k.nom)
            << k.fabricant << std::hex << " " << k.signature;
    }
    // L'indice de marque occupe la quatrième place du texte de secours.
    EXPECT_EQ(NomProcesseur(ReponsesDe("BadCpuVendor", 0x6D2, 0x12)),
              "Unknown x86 Family 6 Model 13 Stepping 2 (Brand 18)");
}

TEST(IdentificationProcesseur, FichesEtCache) {
    EXPECT_EQ(FicheDe("GenuineIntel").Societe, "Intel Corporation");
    EXPECT_EQ(FicheDe("CentaurHauls").Numero, Fabricant::Idt);
    EXPECT_EQ(FicheDe("BadCpuVendor").Numero, Fabricant::Inconnu);
    EXPECT_EQ(FicheDe("genuineintel").Numero, Fabricant::Inconnu);
    // EAX : l'octet bas compte les appels ; bit 31 : registre sans descripteurs.
    EXPECT_EQ(TailleCacheL2({0x03020101, 0, 0, 0x0C040843}), 512U * 1024U);
    EXPECT_EQ(TailleCacheL2({0x00000041, 0, 0, 0}), 0U);
    EXPECT_EQ(TailleCacheL2({0x01, 0x80000044, 0, 0x7D}), 2048U * 1024U);
    const SignatureProcesseur s = SignatureDe({0x000306C3, 0x02100800, 0, 0});
    EXPECT_EQ(s.Famille, 6);
    EXPECT_EQ(s.Modele, 0x3C);
    EXPECT_EQ(s.Pas, 3);
    EXPECT_EQ(s.Nombre, 0x6C3U);
    EXPECT_EQ(s.IndiceMarque, 0);
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
