#pragma once
// Le protocole de contrôle à lignes du port 1109 : textes échangés et
// traitement d'une lecture, sans prise (fonctions pures).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pulsodex::net {

inline constexpr std::uint16_t PortControle = 1109;
inline constexpr std::size_t TailleLecture = 1024; // une lecture = une commande

inline constexpr std::string_view Salutation = "Pulsodex Server V1.0\r\n";
inline constexpr std::string_view ReponseOk = "OK\r\n";
inline constexpr std::string_view ReponseBye = "BYE\r\n";
inline constexpr std::string_view ReponseSilence = "Timeout on Server\r\n";

// Ce qu'une commande demande au fil qui sert la connexion.
struct ActionCommande {
    std::string Reponse;                // à envoyer tel quel ; vide : rien
    bool Fermer = false;                // BYE, QUIT
    std::optional<std::string> Message; // SHOW : texte à montrer, en UTF-8

    bool operator==(const ActionCommande&) const = default;
};

// Texte de la commande : les octets lus jusqu'au premier zéro, privés de
// leur première paire CR LF quand ils font plus de deux caractères.
std::string TexteCommande(std::string_view octets);

// Table des commandes, dans son ordre (GET, BYE, QUIT, SHOW, KILL), sur les
// trois ou quatre premiers caractères sans tenir compte de la casse.
ActionCommande Distribuer(std::string_view commande);

// Les deux à la suite : ce que fait le serveur des octets d'une lecture.
ActionCommande TraiterLecture(std::string_view octets);

} // namespace pulsodex::net
