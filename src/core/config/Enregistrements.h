#pragma once
// Règles d'avertissement et événements de l'agenda.
#include <cstdint>
#include <string>
#include <vector>

namespace pulsodex {

class TAvertissement {
public:
    std::uint8_t Ressource = 0; // 1 mémoire totale, 2 physique, 3 disque, 4 utilisation
    std::int32_t Seuil = 0;
    std::uint8_t Unite = 0; // 1 %, 2 octets, 3 Ko, 4 Mo
    std::string Disque;     // une lettre au plus
    std::int8_t Compteur = 0;

    void Copy(const TAvertissement& source) { *this = source; }
    friend bool operator==(const TAvertissement&, const TAvertissement&) = default;
};

class TEvenement {
public:
    bool Actif = false;
    std::uint8_t Type = 0; // 1 message, 2 tâche
    std::string Nom;
    std::string Commande;
    std::string Parametres;
    std::string Repertoire;
    std::uint8_t Jour = 0;
    std::uint8_t Mois = 0;
    std::string Heure;  // « hh:nn » ou vide
    std::string Minute; // une ou deux chiffres, ou vide
    std::string Message;
    std::uint8_t ModeLancement = 0;
    bool Lance = false;

    // Copie tout sauf Lance, remis à faux : un événement modifié peut repartir.
    void Copy(const TEvenement& source) {
        *this = source;
        Lance = false;
    }
    friend bool operator==(const TEvenement&, const TEvenement&) = default;
};

using ListeAvertissements = std::vector<TAvertissement>;
using ListeEvenements = std::vector<TEvenement>;

} // namespace pulsodex
