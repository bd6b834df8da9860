#pragma once
// Règles d'avertissement et événements de l'agenda.
#include <cstdint>
#include <string>
#include <vector>

#include "core/commun/Codes.h"

namespace pulsodex {

class TAvertissement {
public:
    pulsodex::Ressource Ressource = pulsodex::Ressource::Aucune;
    std::int32_t Seuil = 0;
    pulsodex::Unite Unite = pulsodex::Unite::Aucune;
    std::string Disque; // une lettre au plus
    std::int8_t Compteur = 0;

    void Copy(const TAvertissement& source) { *this = source; }
    friend bool operator==(const TAvertissement&, const TAvertissement&) = default;
};

class TEvenement {
public:
    bool Actif = false;
    TypeEvenement Type = TypeEvenement::Indefini;
    std::string Nom;
    std::string Commande;
    std::string Parametres;
    std::string Repertoire;
    std::uint8_t Jour = 0;
    std::uint8_t Mois = 0;
    std::string Heure;  // « hh:nn » ou vide
    std::string Minute; // une ou deux chiffres, ou vide
    std::string Message;
    pulsodex::ModeLancement ModeLancement = pulsodex::ModeLancement::Normal;
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
