#pragma once
// Emplacements du programme sous Windows : son dossier (marqueurs, journaux)
// et la clé de ses réglages.
#include <filesystem>
#include <string>

namespace pulsodex {

// Une variable d'environnement, en UTF-8 ; vide quand elle manque.
std::string VariableWindows(const char* nom);

std::filesystem::path CheminExecutableWindows();

// Le dossier du programme, avec son séparateur final : %PULSODEX_REPERTOIRE%,
// sinon le dossier de l'exécutable s'il est inscriptible, sinon
// %LOCALAPPDATA%\Pulsodex\. Créé au besoin.
std::string RepertoireProgrammeWindows();

// La clé des réglages sous HKEY_CURRENT_USER : %PULSODEX_CONFIG%, sinon
// « Software\Pulsodex ».
std::string CleReglagesWindows();

} // namespace pulsodex
