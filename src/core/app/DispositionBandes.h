#pragma once
// Disposition des bandes du conteneur : rangées de gauche à droite, une bande
// à rupture commence une rangée, la dernière bande d'une rangée prend la
// largeur qui reste.
#include <vector>

namespace pulsodex {

struct Bande {
    int Cle = 0; // -1..-6 bandes fixes, 1..n disques
    bool Visible = false;
    bool Rupture = true;
    int Largeur = 218;
    int Hauteur = 20;    // hauteur de son contrôle
    int HauteurMin = 20; // hauteur minimale de la bande
};

struct Placement {
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 0;
    bool Visible = false;
};

inline constexpr int LargeurMinBande = 8;

struct Disposition {
    std::vector<Placement> Placements; // un par bande, dans l'ordre des bandes
    int Hauteur = 0;                   // hauteur totale des rangées
};

Disposition Disposer(const std::vector<Bande>& bandes, int largeurConteneur);

} // namespace pulsodex
