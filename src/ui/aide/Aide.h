#pragma once
// L'aide du programme, pour la fenêtre principale et la configuration :
// AfficherAide(SujetConfiguration) pour le bouton « Aide » de la
// configuration, AfficherAide(SujetFormats) pour les formats de date et d'heure.
#include "core/app/FichierAide.h"

namespace pulsodex {

class FenetreAide;

// Ouvre (ou ramène) la fenêtre d'aide au sujet donné ; elle reste utilisable
// même ouverte depuis une boîte modale.
void AfficherAide(int sujet);
// Ferme la fenêtre d'aide si elle existe (fin du programme).
void FermerAide();
// La fenêtre d'aide ouverte, ou nullptr.
FenetreAide* FenetreAideOuverte();

} // namespace pulsodex
