#include "GeometrieFenetre.h"

namespace pulsodex {

Rectangle GarderSurZone(Rectangle f, const Rectangle& zone) {
    const int bas = zone.Haut + zone.Hauteur;
    const int droite = zone.Gauche + zone.Largeur;
    if (f.Haut + f.Hauteur > bas) {
        f.Haut = bas - f.Hauteur;
        if (f.Haut < 0) {
            f.Haut = 0;
        }
    }
    if (f.Gauche + f.Largeur > droite) {
        f.Gauche = droite - f.Largeur;
        if (f.Gauche < 0) {
            f.Gauche = 0;
        }
    }
    return f;
}

ZoneSouris ZoneSous(int x, int largeurFenetre) {
    if (x < 4) {
        return ZoneSouris::BordGauche;
    }
    if (x > largeurFenetre - 4) {
        return ZoneSouris::BordDroit;
    }
    return ZoneSouris::Deplacement;
}

} // namespace pulsodex
