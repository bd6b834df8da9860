#pragma once
// Les 25 couleurs du système nommées, et la recherche d'une couleur.
#include <array>
#include <cstdint>
#include <string_view>

namespace pulsodex {

struct CouleurNommee {
    std::string_view Nom;
    std::int32_t Couleur;
};

// Rang i (1 à 25) : couleur du système numéro i - 1.
extern const std::array<CouleurNommee, 25> CouleursSysteme;

// Le premier rang dont la couleur est celle-ci ; 0 (« Personnalisé ») sinon.
int ChercheCouleurIndex(std::int32_t couleur);

} // namespace pulsodex
