#pragma once
// Lancement sous Linux : un exécutable est démarré détaché, avec ses
// paramètres découpés comme le ferait un shell mais sans shell ; un document
// ou un dossier est ouvert par xdg-open.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/Lanceur.h"

namespace pulsodex {

class LanceurLinux final : public Lanceur {
public:
    int ShellExecute(std::string_view verbe, std::string_view fichier, std::string_view parametres,
                     std::string_view repertoire, ModeFenetre mode) override;
};

// Découpe des paramètres : blancs séparateurs, apostrophes et guillemets,
// barre oblique inverse ; rien n'est interprété (ni $, ni ;, ni `). Rien si
// une citation n'est pas fermée.
std::optional<std::vector<std::string>> DecouperParametres(std::string_view parametres);

// Chemin d'un programme cherché dans PATH quand son nom n'a pas de « / ».
std::string CheminProgramme(std::string_view fichier);

// Démarre argv détaché (le programme n'est pas notre enfant : aucun zombie),
// dans le dossier donné, sans nos descripteurs ouverts, signaux par défaut.
// Rend 0 ou le errno de l'échec (chdir ou exec).
int DemarrerDetache(const std::vector<std::string>& argv, const std::string& repertoire);

} // namespace pulsodex
