#pragma once
// Accès au système dont a besoin la couche des disques ; une version Linux
// (linux/) et des doublures de test pour chacun.
#include <cstdint>
#include <optional>
#include <string>

#include "core/probes/GenresDisques.h"
#include "core/probes/Montages.h"

namespace pulsodex {

enum class EtatSonde {
    Ok,
    Absent,  // le chemin n'existe pas
    Echec,   // toute autre erreur du système
    Delai,   // pas de réponse dans le délai
    Occupee, // la sonde précédente du même chemin est encore bloquée
};

struct ReponseSonde {
    EtatSonde Etat = EtatSonde::Echec;
    std::int64_t Taille = -1; // octets
    std::int64_t Libre = -1;  // octets libres au total (quotas ignorés)
};

// L'interrogation de l'espace d'un chemin. Elle peut bloquer sans fin (serveur
// réseau mort) : on ne l'appelle que depuis un fil de sonde, sauf pour les
// montages locaux qui répondent de mémoire (EspaceDirect.h). Appelée par
// plusieurs fils à la fois.
class SondeEspace {
public:
    virtual ~SondeEspace() = default;
    virtual ReponseSonde Interroger(const std::string& chemin) = 0;
};

// La table des montages ; lue sans jamais toucher un montage.
class SourceMontages {
public:
    virtual ~SourceMontages() = default;
    // Reste valable jusqu'à l'appel suivant.
    virtual const TableMontages& Table() = 0;
};

// Le périphérique bloc d'un montage, s'il en a un.
class InfosBlocs {
public:
    virtual ~InfosBlocs() = default;
    [[nodiscard]] virtual std::optional<PeripheriqueBloc> Chercher(const Montage& m) const = 0;
};

// Espace d'un disque, par numéro de lecteur (1 = A) : taille et espace libre
// d'une seule interrogation. Ce que demandent les avertissements ;
// SondeDisques en est la version réelle.
class EspaceLecteurs {
public:
    virtual ~EspaceLecteurs() = default;
    virtual ReponseSonde Espace(std::uint8_t lecteur) = 0;
};

} // namespace pulsodex
