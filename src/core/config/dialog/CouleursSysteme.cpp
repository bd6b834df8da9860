#include "core/config/dialog/CouleursSysteme.h"

#include "core/config/TConfig.h"

namespace pulsodex {

const std::array<CouleurNommee, 25> CouleursSysteme{{
    {"Barre de défilement", CouleurSysteme(0)},
    {"Bureau", CouleurSysteme(1)},
    {"Barre de titre active", CouleurSysteme(2)},
    {"Barre de titre inactive", CouleurSysteme(3)},
    {"Menu", CouleurSysteme(4)},
    {"Fenêtre", CouleurSysteme(5)},
    {"Bord de fenêtre", CouleurSysteme(6)},
    {"Texte de menu", CouleurSysteme(7)},
    {"Texte de fenêtre", CouleurSysteme(8)},
    {"Texte de la barre de titre", CouleurSysteme(9)},
    {"Bordure de fenêtre active", CouleurSysteme(10)},
    {"Bordure de fenêtre inactive", CouleurSysteme(11)},
    {"Espace de travail de l'application", CouleurSysteme(12)},
    {"Fond d'éléments sélectionnés", CouleurSysteme(13)},
    {"Texte d'éléments sélectionnés", CouleurSysteme(14)},
    {"Bouton", CouleurSysteme(15)},
    {"Ombre de bouton", CouleurSysteme(16)},
    {"Texte grisé", CouleurSysteme(17)},
    {"Texte des boutons actifs", CouleurSysteme(18)},
    {"Texte des boutons inactifs", CouleurSysteme(19)},
    {"Lumière des boutons", CouleurSysteme(20)},
    {"Ombre objet 3D", CouleurSysteme(21)},
    {"Lumière objet 3D", CouleurSysteme(22)},
    {"Texte info bulle", CouleurSysteme(23)},
    {"Fond info bulle", CouleurSysteme(24)},
}};

int ChercheCouleurIndex(std::int32_t couleur) {
    for (std::size_t i = 0; i < CouleursSysteme.size(); ++i) {
        if (CouleursSysteme[i].Couleur == couleur) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

} // namespace pulsodex
