#pragma once
// Les trois arrangements des bandes et l'ordre canonique qui les précède.
#include <cstdint>
#include <vector>

#include "core/commun/Codes.h"

namespace pulsodex {

class ModeleBandes;

// Les bandes de ces clés (dans cet ordre) prennent les premières positions ;
// les autres gardent ce qui reste.
void ReorgOrdre(ModeleBandes& modele, const std::vector<int>& clesCanoniques);
// En ligne : chaque bande visible sans rupture, largeur W div V.
void ReorgLigne(ModeleBandes& modele, int largeur);
// En colonne : toutes les bandes, visibles ou non, avec rupture et pleine largeur.
void ReorgColonne(ModeleBandes& modele, int largeur);
// Avancé : chaque bande fixe sur sa rangée, les disques deux par rangée à
// demi-largeur (clé positive = disque).
void ReorgAvance(ModeleBandes& modele, int largeur);
// L'arrangement d'une organisation, précédé de l'ordre canonique ; rien pour
// l'organisation manuelle.
void Reorganiser(ModeleBandes& modele, Organisation organisation, const std::vector<int>& clesCanoniques,
                 int largeur);

} // namespace pulsodex
