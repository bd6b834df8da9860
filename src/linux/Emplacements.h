#pragma once
// Emplacements du programme sous Linux : son dossier (marqueurs, journaux),
// le fichier des réglages et le dossier d'exécution de l'utilisateur.
#include <filesystem>
#include <string>

namespace pulsodex {

// Chemin complet de l'exécutable en cours.
std::filesystem::path CheminExecutable();

// Le dossier du programme, avec son séparateur final : $PULSODEX_REPERTOIRE,
// sinon le dossier de l'exécutable s'il est inscriptible, sinon
// $XDG_DATA_HOME/Pulsodex/. Créé au besoin.
std::string RepertoireProgramme();

// $PULSODEX_CONFIG, sinon $XDG_CONFIG_HOME/Pulsodex/Pulsodex.conf.
std::filesystem::path FichierReglages();

// $XDG_RUNTIME_DIR, ou un dossier à soi seul dans le dossier temporaire ;
// vide quand il n'y en a pas.
std::string DossierExecution();

} // namespace pulsodex
