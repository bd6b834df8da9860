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

// Le dossier à soi de l'utilisateur (%LOCALAPPDATA%\Pulsodex, créé au besoin)
// où vivent le verrou et la prise de l'instance unique, écrit avec des « / » :
// le nom de la prise locale devient celui d'un tube, qui n'admet pas « \ ».
// Vide sans %LOCALAPPDATA%.
std::string DossierExecutionWindows();

// La clé des réglages sous HKEY_CURRENT_USER : %PULSODEX_CONFIG%, sinon
// « Software\Pulsodex ».
std::string CleReglagesWindows();

} // namespace pulsodex
