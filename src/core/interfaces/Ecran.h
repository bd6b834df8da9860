#pragma once
// Mesures des écrans : la taille de l'écran principal, les zones de travail de tous.
#include <vector>

namespace pulsodex {

struct TailleEcran {
    int Largeur = 0;
    int Hauteur = 0;
    friend bool operator==(const TailleEcran&, const TailleEcran&) = default;
};

struct Rectangle {
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 0;
    friend bool operator==(const Rectangle&, const Rectangle&) = default;
};

class Ecran {
public:
    virtual ~Ecran() = default;
    [[nodiscard]] virtual TailleEcran Taille() const = 0;
    // Zones de travail (chaque écran moins les barres du bureau), l'écran
    // principal d'abord ; jamais vide.
    [[nodiscard]] virtual std::vector<Rectangle> ZonesTravail() const = 0;
};

} // namespace pulsodex
