#pragma once
// Règles de placement de la fenêtre principale.
#include "interfaces/Ecran.h"

namespace pulsodex {

// Ramène la fenêtre dans la zone de travail : si elle déborde en bas ou à
// droite, elle touche le bord de la zone ; jamais de coordonnée négative.
Rectangle GarderSurZone(Rectangle fenetre, const Rectangle& zone);

// Zones de bord (4 pixels) : redimensionnement à gauche ou à droite.
enum class ZoneSouris { Deplacement, BordGauche, BordDroit };
ZoneSouris ZoneSous(int x, int largeurFenetre);

} // namespace pulsodex
