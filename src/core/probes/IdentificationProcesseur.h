#pragma once
// Nom lisible du processeur, tiré des réponses de l'instruction CPUID :
// chaîne de marque quand le processeur en a une, sinon tables par fabricant.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pulsodex {

struct RegistresCpuid {
    std::uint32_t Eax = 0;
    std::uint32_t Ebx = 0;
    std::uint32_t Ecx = 0;
    std::uint32_t Edx = 0;
};

// Les réponses de CPUID, par numéro de fonction. Une fonction absente se lit
// comme quatre registres à zéro.
struct ReponsesCpuid {
    bool Disponible = false; // faux quand l'instruction manque
    std::map<std::uint32_t, RegistresCpuid> Fonctions;

    [[nodiscard]] RegistresCpuid Lire(std::uint32_t fonction) const;
};

inline constexpr std::uint32_t FonctionsEtendues = 0x80000000U;
inline constexpr std::uint32_t FonctionsTransmeta = 0x80860000U;

// Vrai quand max, réponse de la fonction « base » (0x80000000 ou 0x80860000),
// annonce la fonction voulue : même plage et au moins égal. Un processeur sans
// fonctions étendues répond n'importe quoi à cette question.
bool FonctionOfferte(std::uint32_t max, std::uint32_t base, std::uint32_t voulue);

enum class Fabricant : std::uint8_t {
    Inconnu = 1,
    Intel = 2,
    Amd = 3,
    Cyrix = 4,
    Idt = 5, // « CentaurHauls »
    NexGen = 6,
    Umc = 7,
    Rise = 8,
    Transmeta = 9,
};

struct FicheFabricant {
    Fabricant Numero;
    std::string_view Texte;   // les douze caractères de la fonction 0
    std::string_view Prefixe; // début du nom de secours
    std::string_view Societe;
};

// La fiche du texte de fabricant ; tout texte inconnu donne la première ligne.
const FicheFabricant& FicheDe(std::string_view texte);
// Les douze caractères de la fonction 0 (EBX, EDX, ECX).
std::string TexteFabricant(const ReponsesCpuid& reponses);

// Signature de la fonction 1.
struct SignatureProcesseur {
    int Famille = 0; // famille de base, plus la famille étendue pour 15
    int Modele = 0;  // modèle de base, plus le modèle étendu pour les familles 6 et 15
    int Pas = 0;
    int Type = 0;             // 1 : OverDrive
    std::uint32_t Nombre = 0; // famille × 256 + modèle × 16 + pas, champs de base
    std::uint8_t IndiceMarque = 0;
};

SignatureProcesseur SignatureDe(const RegistresCpuid& fonction1);

// Taille du cache de niveau 2 en octets d'après les descripteurs de la
// fonction 2 ; 0 quand aucun descripteur n'en annonce.
std::uint32_t TailleCacheL2(const RegistresCpuid& fonction2);

// Chaîne de marque : seize caractères par réponse (EAX, EBX, ECX, EDX, octet
// bas d'abord), sans les blancs ni les caractères de contrôle des bouts ; le
// texte s'arrête au premier octet nul.
std::string ChaineMarque(const std::vector<RegistresCpuid>& reponses);

// Ce que consultent les tables quand il n'y a pas de chaîne de marque.
struct DonneesProcesseur {
    Fabricant Vendeur = Fabricant::Inconnu;
    SignatureProcesseur Signature;
    std::uint32_t TailleL2 = 0;
};

// Le nom par les tables du fabricant ; rien quand la table ne connaît pas ce
// modèle.
std::optional<std::string> NomParTable(const DonneesProcesseur& donnees);
// « Intel x86 Family 6 Model 13 Stepping 2 (Brand 0) ».
std::string NomDeSecours(const DonneesProcesseur& donnees);

// Le nom complet : la chaîne de marque quand le processeur en offre une et
// qu'elle n'est pas vide, sinon la table du fabricant, sinon le nom de secours.
std::string NomProcesseur(const ReponsesCpuid& reponses);

} // namespace pulsodex
