#pragma once
// L'espace d'un chemin : taille et octets libres de son système de fichiers.
#include <cstdint>
#include <string>

namespace pulsodex {

enum class EtatSonde {
    Ok,
    Absent,  // le chemin n'existe pas
    Echec,   // toute autre erreur du système
    Delai,   // pas de réponse dans le délai
    Occupee, // le relevé en cours du même chemin est encore bloqué
};

struct ReponseSonde {
    EtatSonde Etat = EtatSonde::Echec;
    std::int64_t Taille = -1; // octets
    std::int64_t Libre = -1;  // octets libres au total (quotas ignorés)
};

// L'interrogation de l'espace d'un chemin. Elle peut bloquer sans fin (serveur
// réseau mort) : on ne l'appelle que depuis le releveur (Releveur.h), sauf pour les
// montages locaux qui répondent de mémoire (EspaceDirect.h). Appelée par
// plusieurs fils à la fois.
class SondeEspace {
public:
    virtual ~SondeEspace() = default;
    virtual ReponseSonde Interroger(const std::string& chemin) = 0;
};

} // namespace pulsodex
