#pragma once
// Les deux commandes du fichier « Taches.err » : le montrer dans l'éditeur
// de texte du système, l'effacer après confirmation.
#include <string>

namespace pulsodex {

class Lanceur;
class Presentateur;

// repertoire : le dossier du programme, avec son séparateur final.
void MontrerErreursLancement(const std::string& repertoire, Lanceur& lanceur, Presentateur& boites);
void EffacerErreursLancement(const std::string& repertoire, Presentateur& boites);

} // namespace pulsodex
