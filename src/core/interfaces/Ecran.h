#pragma once
// Mesures de l'écran principal.

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
    // Zone de travail : l'écran moins les barres du bureau.
    [[nodiscard]] virtual Rectangle ZoneTravail() const = 0;
};

} // namespace pulsodex
