#include "core/probes/IdentificationProcesseur.h"

#include "core/commun/Textes.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace pulsodex {

namespace {

constexpr std::array<FicheFabricant, 9> Fabricants{{
    {Fabricant::Inconnu, "BadCpuVendor", "Unknown ", "Unknown Vendor"},
    {Fabricant::Intel, "GenuineIntel", "Intel ", "Intel Corporation"},
    {Fabricant::Amd, "AuthenticAMD", "AMD ", "Advanced Micro Devices"},
    {Fabricant::Cyrix, "CyrixInstead", "Cyrix ", "Via Technologies Inc"},
    {Fabricant::Idt, "CentaurHauls", "Via ", "Via Technologies Inc"},
    {Fabricant::NexGen, "NexGenDriven", "NexGen ", "NexGen Inc"},
    {Fabricant::Umc, "UMC UMC UMC ", "UMC ", "United Microelectronics Corp"},
    {Fabricant::Rise, "RiseRiseRise", "Rise ", "Rise Technology"},
    {Fabricant::Transmeta, "GenuineTMx86", "Transmeta ", "Transmeta"},
}};

// Les modèles nommés par une simple ligne de table.
struct LigneTable {
    Fabricant Vendeur;
    int Famille;
    int Modele;
    const char* Nom;
};

constexpr LigneTable Modeles[] = {
    {Fabricant::Intel, 4, 0, "Intel 80486 DX 25/33"},
    {Fabricant::Intel, 4, 1, "Intel 80486 DX 50"},
    {Fabricant::Intel, 4, 2, "Intel 80486 SX"},
    {Fabricant::Intel, 4, 3, "Intel 80486 DX2 / i487"},
    {Fabricant::Intel, 4, 4, "Intel 80486 SL"},
    {Fabricant::Intel, 4, 5, "Intel 80486 SX2"},
    {Fabricant::Intel, 4, 7, "Intel 80486 DX2-WB"},
    {Fabricant::Intel, 4, 8, "Intel 80486 DX4"},
    {Fabricant::Intel, 4, 9, "Intel 80486 DX4-WB"},
    {Fabricant::Intel, 5, 0, "Intel Pentium P5 A-Step"},
    {Fabricant::Intel, 5, 1, "Intel Pentium 60/66"},
    {Fabricant::Intel, 5, 2, "Intel Pentium 75-200"},
    {Fabricant::Intel, 5, 3, "Intel Pentium P24T OverDrive"},
    {Fabricant::Intel, 5, 4, "Intel Pentium MMX 166/200"},
    {Fabricant::Intel, 5, 5, "Intel Pentium P54C"},
    {Fabricant::Intel, 5, 7, "Intel Pentium P55C"},
    {Fabricant::Amd, 4, 3, "AMD AM486DX2"},
    {Fabricant::Amd, 4, 7, "AMD AM486DX2"},
    {Fabricant::Amd, 4, 8, "AMD AM486DX2"},
    {Fabricant::Amd, 4, 9, "AMD AM486DX2"},
    {Fabricant::Amd, 4, 14, "AMD AM5x86"},
    {Fabricant::Amd, 4, 15, "AMD AM5x86"},
    {Fabricant::Amd, 5, 0, "AMD K5"},
    {Fabricant::Amd, 5, 1, "AMD K5"},
    {Fabricant::Amd, 5, 2, "AMD K5"},
    {Fabricant::Amd, 5, 3, "AMD K5"},
    {Fabricant::Amd, 5, 6, "AMD K6"},
    {Fabricant::Amd, 5, 7, "AMD K6"},
    {Fabricant::Amd, 5, 8, "AMD K6 2"},
    {Fabricant::Amd, 5, 9, "AMD K6 III"},
    {Fabricant::Amd, 5, 13, "AMD K6 III"},
    {Fabricant::Amd, 6, 1, "Athlon (Model 1)"},
    {Fabricant::Amd, 6, 2, "Athlon (Model 2)"},
    {Fabricant::Amd, 6, 3, "Duron (Model 3)"},
    {Fabricant::Amd, 6, 4, "Athlon (Model 4)"},
    {Fabricant::Amd, 6, 6, "Athlon XP, MP, 4 ou Duron (Model 6)"},
    {Fabricant::Amd, 6, 7, "Duron (Model 7)"},
    {Fabricant::Amd, 6, 8, "Athlon XP ou Athlon MP (Model 8)"},
    {Fabricant::Amd, 6, 10, "AMD Athlon XP, MP, XP-M (Model 10)"},
    {Fabricant::Cyrix, 4, 4, "Cyrix Media GX"},
    {Fabricant::Cyrix, 4, 9, "Cyrix Cx5x86"},
    {Fabricant::Cyrix, 5, 2, "Cyrix 6x86"},
    {Fabricant::Cyrix, 5, 4, "Cyrix GXm"},
    {Fabricant::Cyrix, 6, 0, "Cyrix 6x86MX"},
    {Fabricant::Cyrix, 6, 5, "Cyrix M2"},
    {Fabricant::Cyrix, 6, 6, "Via Cyrix III"},
    {Fabricant::Cyrix, 6, 7, "Via Cyrix III"},
    {Fabricant::Cyrix, 6, 8, "Via Cyrix III"},
    {Fabricant::Idt, 5, 4, "IDT WinChip"},
    {Fabricant::Idt, 5, 8, "IDT WinChip 2"},
    {Fabricant::Idt, 5, 9, "IDT WinChip 3"},
    {Fabricant::NexGen, 5, 0, "NexGen Nx586"},
    {Fabricant::Umc, 4, 1, "UMC U5D"},
    {Fabricant::Umc, 4, 2, "UMC U5D"},
    {Fabricant::Rise, 5, 0, "Rise iDragon"},
    {Fabricant::Rise, 5, 2, "Rise iDragon II"},
};

// Descripteurs de cache de niveau 2 de la fonction 2 et leur taille en Ko.
struct DescripteurL2 {
    std::uint8_t Code;
    std::uint32_t Ko;
};

constexpr DescripteurL2 DescripteursL2[] = {
    {0x1D, 128},  {0x21, 256},  {0x24, 1024}, {0x39, 128},  {0x3A, 192},  {0x3B, 128}, {0x3C, 256},
    {0x3D, 384},  {0x3E, 512},  {0x3F, 256},  {0x41, 128},  {0x42, 256},  {0x43, 512}, {0x44, 1024},
    {0x45, 2048}, {0x48, 3072}, {0x49, 4096}, {0x4E, 6144}, {0x78, 1024}, {0x79, 128}, {0x7A, 256},
    {0x7B, 512},  {0x7C, 1024}, {0x7D, 2048}, {0x7F, 512},  {0x80, 512},  {0x82, 256}, {0x83, 512},
    {0x84, 1024}, {0x85, 2048}, {0x86, 512},  {0x87, 1024},
};

constexpr std::uint32_t PetitCache = 0x20000;  // 128 Ko
constexpr std::uint32_t GrandCache = 0x100000; // 1 Mo

void AjouterOctets(std::string& texte, std::uint32_t registre) {
    for (int i = 0; i < 4; ++i) {
        texte.push_back(static_cast<char>((registre >> (8U * static_cast<unsigned>(i))) & 0xFFU));
    }
}

bool Blanc(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view SansBlancs(std::string_view texte) {
    while (!texte.empty() && Blanc(texte.front())) {
        texte.remove_prefix(1);
    }
    while (!texte.empty() && Blanc(texte.back())) {
        texte.remove_suffix(1);
    }
    return texte;
}

std::optional<std::string> IntelParIndiceMarque(const SignatureProcesseur& s) {
    switch (s.IndiceMarque) {
    case 1:
    case 10:
        return "Intel Celeron";
    case 2:
    case 4:
        return "Intel Pentium III";
    case 3:
        return s.Nombre == 0x6B1 ? "Intel Celeron" : "Intel Pentium III Xeon";
    case 6:
        return "Intel Mobile Pentium III";
    case 7:
    case 15:
        return "Intel Mobile Celeron";
    case 8:
    case 9:
        return s.Nombre >= 0xF13 ? "Intel Pentium Processor" : "Intel Pentium 4";
    case 11:
        return s.Nombre >= 0xF13 ? "Intel Pentium 4 Xeon" : "Intel Pentium 4 Xeon MP";
    case 12:
        return "Intel Pentium 4 Xeon MP";
    case 14:
        return s.Nombre >= 0xF13 ? "Intel Mobile Pentium 4" : "Intel Pentium 4 Xeon";
    case 22:
        return "Intel Pentium M";
    default:
        return std::nullopt;
    }
}

std::string AvecModele(const char* nom, const char* codeNom) {
    return std::string(nom) + " (Model \"" + codeNom + "\")";
}

// Nom selon la taille du cache de niveau 2 : petit (128 Ko au plus), grand
// (1 Mo au moins), ou entre les deux.
const char* SelonCache(std::uint32_t l2, const char* petit, const char* moyen, const char* grand) {
    return l2 <= PetitCache ? petit : l2 >= GrandCache ? grand : moyen;
}

std::optional<std::string> IntelFamille6(const SignatureProcesseur& s, std::uint32_t l2) {
    switch (s.Modele) {
    case 0:
    case 1:
        return "Intel Pentium Pro";
    case 3:
        return AvecModele(s.Type == 1 ? "Intel Pentium II Overdrive" : "Intel Pentium II", "Klamath");
    case 5:
        return AvecModele(SelonCache(l2, "Intel Celeron", "Intel Pentium II", "Intel Pentium II Xeon"),
                          "Deschutes");
    case 6:
        // Sans indication fiable de version mobile : toujours « Intel Celeron »,
        // et le suffixe commence par « A ».
        if (l2 <= PetitCache) {
            return "Intel CeleronA (Model \"Mendocino\")";
        }
        return "Intel Mobile Pentium II";
    case 7:
        return AvecModele(SelonCache(l2, "Intel Pentium III", "Intel Pentium III", "Intel Pentium III Xeon"),
                          "Katmai");
    case 8:
        return AvecModele(SelonCache(l2, "Intel Celeron", "Intel Pentium III", "Intel Pentium III Xeon"),
                          "Coppermine");
    case 10:
        return AvecModele("Intel Pentium III Xeon", "Cascades");
    case 11:
        return "Intel Mobile Pentium III";
    case 15:
        return "Intel Pentium 4";
    default:
        return std::nullopt;
    }
}

} // namespace

RegistresCpuid ReponsesCpuid::Lire(std::uint32_t fonction) const {
    const auto trouve = Fonctions.find(fonction);
    return trouve == Fonctions.end() ? RegistresCpuid{} : trouve->second;
}

bool FonctionOfferte(std::uint32_t max, std::uint32_t base, std::uint32_t voulue) {
    return (max & 0xFFFF0000U) == base && max >= voulue;
}

const FicheFabricant& FicheDe(std::string_view texte) {
    for (const FicheFabricant& fiche : Fabricants) {
        if (fiche.Numero != Fabricant::Inconnu && fiche.Texte == texte) {
            return fiche;
        }
    }
    return Fabricants.front();
}

std::string TexteFabricant(const ReponsesCpuid& reponses) {
    const RegistresCpuid f0 = reponses.Lire(0);
    std::string texte;
    AjouterOctets(texte, f0.Ebx);
    AjouterOctets(texte, f0.Edx);
    AjouterOctets(texte, f0.Ecx);
    return texte;
}

SignatureProcesseur SignatureDe(const RegistresCpuid& fonction1) {
    const std::uint32_t eax = fonction1.Eax;
    SignatureProcesseur s;
    const int familleBase = static_cast<int>((eax >> 8U) & 0xFU);
    const int modeleBase = static_cast<int>((eax >> 4U) & 0xFU);
    s.Pas = static_cast<int>(eax & 0xFU);
    s.Type = static_cast<int>((eax >> 12U) & 0x3U);
    s.Famille = familleBase;
    s.Modele = modeleBase;
    if (familleBase == 15) {
        s.Famille += static_cast<int>((eax >> 20U) & 0xFFU);
    }
    if (familleBase == 6 || familleBase == 15) {
        s.Modele += static_cast<int>((eax >> 16U) & 0xFU) << 4U;
    }
    s.Nombre = eax & 0xFFFU;
    s.IndiceMarque = static_cast<std::uint8_t>(fonction1.Ebx & 0xFFU);
    return s;
}

std::uint32_t TailleCacheL2(const RegistresCpuid& fonction2) {
    std::uint32_t ko = 0;
    const std::array<std::uint32_t, 4> registres{fonction2.Eax, fonction2.Ebx, fonction2.Ecx, fonction2.Edx};
    for (std::size_t r = 0; r < registres.size(); ++r) {
        if ((registres[r] & 0x80000000U) != 0) {
            continue; // registre sans descripteurs valides
        }
        // L'octet bas de EAX compte les appels, ce n'est pas un descripteur.
        for (unsigned octet = r == 0 ? 1U : 0U; octet < 4U; ++octet) {
            const auto code = static_cast<std::uint8_t>((registres[r] >> (8U * octet)) & 0xFFU);
            for (const DescripteurL2& d : DescripteursL2) {
                if (d.Code == code) {
                    ko = std::max(ko, d.Ko);
                }
            }
        }
    }
    return ko * 1024U;
}

std::string ChaineMarque(const std::vector<RegistresCpuid>& reponses) {
    std::string brut;
    for (const RegistresCpuid& r : reponses) {
        AjouterOctets(brut, r.Eax);
        AjouterOctets(brut, r.Ebx);
        AjouterOctets(brut, r.Ecx);
        AjouterOctets(brut, r.Edx);
    }
    std::string_view texte = SansBlancs(brut);
    texte = SansBlancs(texte.substr(0, texte.find('\0')));
    // Rendu en UTF-8 valide (octets hors UTF-8 lus comme du Latin-1).
    return Utf8OuLatin1(texte);
}

std::optional<std::string> NomParTable(const DonneesProcesseur& donnees) {
    const SignatureProcesseur& s = donnees.Signature;
    if (donnees.Vendeur == Fabricant::Intel) {
        if (auto nom = IntelParIndiceMarque(s)) {
            return nom;
        }
        if (s.Famille == 6) {
            return IntelFamille6(s, donnees.TailleL2);
        }
    }
    for (const LigneTable& ligne : Modeles) {
        if (ligne.Vendeur == donnees.Vendeur && ligne.Famille == s.Famille && ligne.Modele == s.Modele) {
            return ligne.Nom;
        }
    }
    return std::nullopt;
}

std::string NomDeSecours(const DonneesProcesseur& donnees) {
    std::string prefixe;
    for (const FicheFabricant& fiche : Fabricants) {
        if (fiche.Numero == donnees.Vendeur) {
            prefixe = fiche.Prefixe;
        }
    }
    if (prefixe.empty()) {
        prefixe = Fabricants.front().Prefixe;
    }
    const SignatureProcesseur& s = donnees.Signature;
    std::array<char, 96> texte{};
    std::snprintf(texte.data(), texte.size(), "x86 Family %d Model %d Stepping %d (Brand %d)", s.Famille,
                  s.Modele, s.Pas, static_cast<int>(s.IndiceMarque));
    return prefixe + texte.data();
}

std::string NomProcesseur(const ReponsesCpuid& reponses) {
    const FicheFabricant& fiche = FicheDe(TexteFabricant(reponses));
    const bool transmeta = fiche.Numero == Fabricant::Transmeta;
    const std::uint32_t base = transmeta ? FonctionsTransmeta : FonctionsEtendues;
    const std::uint32_t premiere = transmeta ? 0x80860003U : 0x80000002U;
    const std::uint32_t derniere = transmeta ? 0x80860006U : 0x80000004U;
    if (FonctionOfferte(reponses.Lire(base).Eax, base, derniere)) {
        std::vector<RegistresCpuid> marque;
        for (std::uint32_t f = premiere; f <= derniere; ++f) {
            marque.push_back(reponses.Lire(f));
        }
        std::string nom = ChaineMarque(marque);
        if (!nom.empty()) {
            return nom;
        }
    }
    DonneesProcesseur donnees;
    donnees.Vendeur = fiche.Numero;
    if (reponses.Lire(0).Eax >= 1) {
        donnees.Signature = SignatureDe(reponses.Lire(1));
    }
    if (reponses.Lire(0).Eax >= 2) {
        donnees.TailleL2 = TailleCacheL2(reponses.Lire(2));
    }
    return NomParTable(donnees).value_or(NomDeSecours(donnees));
}

} // namespace pulsodex
