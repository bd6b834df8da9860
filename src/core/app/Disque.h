#pragma once
// Le modèle d'un panneau de lecteur : ses chiffres, son témoin d'activité, son
// attente après un échec, et le traitement de chaque tic.
#include <cstdint>
#include <string>
#include <vector>

namespace pulsodex {

class SondeDisques;
struct FormatNombres;

inline constexpr std::int8_t AttenteApresEchec = 60;

// Le témoin d'activité d'un lecteur : le sens du dernier changement de l'espace libre.
enum class Activite : std::uint8_t { Repos = 0, Ecriture = 1, Suppression = 2 };
inline constexpr const char* NomTotal = "Total des unités";

class TDisque {
public:
    // Emplacement (1 à 27), lecteur (0 le total, 1 = A .. 26 = Z). Le total et A
    // ne sont pas interrogés à la création (jamais de lecteur de disquette).
    TDisque(int emplacement, std::uint8_t lecteur, bool avecActivite, SondeDisques& sonde,
            const FormatNombres& format);

    // Vrai quand des chiffres frais ont été lus.
    bool Refresh(SondeDisques& sonde, const FormatNombres& format);

    int Numero;
    std::int8_t Attente = 0;
    bool AvecActivite;
    std::uint8_t Lecteur;
    std::int64_t Libre = 0;
    std::int64_t Taille = 0;
    std::string Nom = "Unité inconnue";
    std::int64_t LibrePrecedent = 0;
    std::int64_t LibreAvant = 0;
    // Ce que montrent les contrôles.
    std::string Bulle; // bulle de la jauge
    pulsodex::Activite Activite = pulsodex::Activite::Repos;
    std::string LegendeEchec; // « E: Vide » ou « E: Indisponible » après un échec
};

struct ActionsDisque {
    bool Repeindre = false;           // la jauge change
    bool ActiviteChangee = false;     // le témoin change
    bool ProposerDeconnexion = false; // lecteur réseau tombé
    friend bool operator==(const ActionsDisque&, const ActionsDisque&) = default;
};

// Un tic d'un lecteur (rien pour le total, que le tic additionne lui-même).
ActionsDisque Traite_Disque(TDisque& disque, SondeDisques& sonde, bool indicateur,
                            const FormatNombres& format);
// Un tic du total (emplacement 1) : la somme des lecteurs qui répondent.
ActionsDisque TotaliserDisques(TDisque& total, const std::vector<const TDisque*>& lecteurs, bool indicateur,
                               const FormatNombres& format);

// La légende de la jauge (« C: 12,34 Go »), ou celle de l'échec.
std::string LegendeDisque(const TDisque& disque, const FormatNombres& format);

} // namespace pulsodex
