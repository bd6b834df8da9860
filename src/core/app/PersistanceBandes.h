#pragma once
// Disposition des bandes gardée pour chaque résolution : rendue à chaque
// construction, enregistrée à chaque démontage.
#include <vector>

namespace pulsodex {

class ModeleBandes;
class TConfig;

// Pour chaque clé (bandes fixes -1 à -6 puis disques 1 à n) trouvée dans le
// modèle : sa rupture est rendue, son ordre gardé la place, puis chaque
// position reçoit la largeur gardée de la bande qui devait s'y trouver.
void RestaurerDisposition(ModeleBandes& modele, const TConfig& config, const std::vector<int>& cles);
// Rupture, largeur et position de chaque clé ; une bande absente est gardée
// sans rupture, largeur 0, position -1.
void SauverDisposition(const ModeleBandes& modele, TConfig& config, const std::vector<int>& cles);

inline constexpr int TailleTableLargeurs = 35;

} // namespace pulsodex
