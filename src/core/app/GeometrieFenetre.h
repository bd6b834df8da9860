#pragma once
// Règles de placement de la fenêtre principale.
#include <vector>

#include "core/interfaces/Ecran.h"

namespace pulsodex {

// Ramène la fenêtre dans une zone de travail : si elle déborde en bas ou à
// droite, elle touche le bord de la zone ; jamais avant son bord gauche ou haut.
Rectangle GarderSurZone(Rectangle fenetre, const Rectangle& zone);

// Ramène la fenêtre sur les écrans présents (leurs zones de travail, l'écran
// principal d'abord). Une fenêtre dont chaque coin est sur un écran reste où
// elle est ; sinon elle est ramenée dans l'écran qui porte son coin haut
// gauche, ou dans le plus proche quand son écran a disparu.
Rectangle GarderSurEcrans(Rectangle fenetre, const std::vector<Rectangle>& zones);

// Zones de bord (4 pixels) : redimensionnement à gauche ou à droite.
enum class ZoneSouris { Deplacement, BordGauche, BordDroit };
ZoneSouris ZoneSous(int x, int largeurFenetre);

} // namespace pulsodex
