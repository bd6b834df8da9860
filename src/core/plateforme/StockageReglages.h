#pragma once
// Le fichier des réglages sur son support : le lire, prendre le verrou des
// écritures, le remplacer d'un bloc, garder une copie d'un contenu. Chaque
// échec rend sa cause, en français, précédée du fichier (« « /x/Pulsodex.conf »
// : le disque est plein »).
#include <optional>
#include <string>
#include <string_view>

#include "core/plateforme/Horloge.h"

namespace pulsodex {

struct ContenuReglages {
    std::optional<std::string> Octets; // rien : le fichier n'existe pas
    std::string Cause;                 // non vide : il existe mais ne se lit pas
};

struct CopieReglages {
    std::string Chemin; // vide : la copie n'a pas pu être faite
    std::string Cause;  // pourquoi, sans le nom du fichier (« le disque est plein »)
};

class StockageReglages {
public:
    virtual ~StockageReglages() = default;

    [[nodiscard]] virtual std::string Chemin() const = 0;
    virtual ContenuReglages Lire() = 0;
    // Prend le verrou des écritures sans jamais attendre plus d'un instant ;
    // la cause sinon (vide : pris).
    virtual std::string Verrouiller() = 0;
    virtual void Deverrouiller() = 0;
    // Remplace le fichier : un arrêt brutal laisse l'ancien contenu ou le
    // nouveau, jamais un mélange. La cause d'un échec ; vide : remplacé.
    virtual std::string Remplacer(std::string_view octets) = 0;
    // Garde ces octets tels quels à côté du fichier, sous un nom daté qui
    // n'écrase jamais une copie déjà là.
    virtual CopieReglages GarderCopie(std::string_view octets, const DateHeure& moment) = 0;
};

} // namespace pulsodex
