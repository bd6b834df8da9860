#pragma once
// La logique de l'éditeur d'événement « Propriétés de l'événement »
// (TEvenementForm) : ses cinq textes, le type qu'il rapporte et le choix d'un
// fichier par « &Parcourir ». La fenêtre Qt ne fait que la refléter.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/commun/Codes.h"

namespace pulsodex {

// Les cinq zones de l'éditeur.
struct ContenuEvenement {
    std::string Message;
    std::string Nom;
    std::string Commande;
    std::string Parametres;
    std::string Repertoire;
    friend bool operator==(const ContenuEvenement&, const ContenuEvenement&) = default;
};

// Ce que l'éditeur rend quand il se ferme par « Ok ».
struct ResultatEvenement {
    TypeEvenement Type = TypeEvenement::Indefini;
    ContenuEvenement Contenu;
};

inline constexpr std::string_view PageMessage = "MessageSheet";
inline constexpr std::string_view PageTache = "TacheSheet";

// Le type de l'événement selon la page visible à « Ok ».
TypeEvenement TypeRapporte(std::string_view pageVisible);

// « &Parcourir » : le fichier choisi devient la commande, son dossier (terminé
// par « / ») le répertoire, et son nom sans extension le nom, si aucun nom
// n'est encore donné.
void AppliquerFichierChoisi(ContenuEvenement& contenu, std::string_view fichier);

} // namespace pulsodex
