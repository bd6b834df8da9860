#pragma once
// Emplacements du programme : son dossier (marqueurs, journaux) et le
// fichier des réglages.
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

} // namespace pulsodex
