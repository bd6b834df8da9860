#include "core/app/GeometrieFenetre.h"

#include <algorithm>
#include <cstdint>

namespace pulsodex {

namespace {

bool Contient(const Rectangle& zone, int x, int y) {
    return x >= zone.Gauche && x < zone.Gauche + zone.Largeur && y >= zone.Haut &&
           y < zone.Haut + zone.Hauteur;
}

bool SurUnEcran(const std::vector<Rectangle>& zones, int x, int y) {
    return std::any_of(zones.begin(), zones.end(), [x, y](const Rectangle& z) { return Contient(z, x, y); });
}

// Carré de la distance du point à la zone (nulle dedans).
std::int64_t Distance2(const Rectangle& zone, int x, int y) {
    const auto ecart = [](std::int64_t v, std::int64_t debut, std::int64_t fin) -> std::int64_t {
        return v < debut ? debut - v : (v >= fin ? v - fin + 1 : 0);
    };
    const std::int64_t dx = ecart(x, zone.Gauche, std::int64_t{zone.Gauche} + zone.Largeur);
    const std::int64_t dy = ecart(y, zone.Haut, std::int64_t{zone.Haut} + zone.Hauteur);
    return dx * dx + dy * dy;
}

} // namespace

Rectangle GarderSurZone(Rectangle f, const Rectangle& zone) {
    const int bas = zone.Haut + zone.Hauteur;
    const int droite = zone.Gauche + zone.Largeur;
    if (f.Haut + f.Hauteur > bas) {
        f.Haut = bas - f.Hauteur;
    }
    f.Haut = std::max(f.Haut, zone.Haut);
    if (f.Gauche + f.Largeur > droite) {
        f.Gauche = droite - f.Largeur;
    }
    f.Gauche = std::max(f.Gauche, zone.Gauche);
    return f;
}

Rectangle GarderSurEcrans(Rectangle f, const std::vector<Rectangle>& zones) {
    if (zones.empty()) {
        return f;
    }
    const int droite = f.Gauche + std::max(f.Largeur - 1, 0);
    const int bas = f.Haut + std::max(f.Hauteur - 1, 0);
    if (SurUnEcran(zones, f.Gauche, f.Haut) && SurUnEcran(zones, droite, f.Haut) &&
        SurUnEcran(zones, f.Gauche, bas) && SurUnEcran(zones, droite, bas)) {
        return f;
    }
    // L'écran du coin haut gauche, ou le plus proche (le premier à égalité).
    const auto proche =
        std::min_element(zones.begin(), zones.end(), [&f](const Rectangle& a, const Rectangle& b) {
            return Distance2(a, f.Gauche, f.Haut) < Distance2(b, f.Gauche, f.Haut);
        });
    return GarderSurZone(f, *proche);
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
