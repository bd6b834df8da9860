#pragma once
// Lancement sous Linux : un exécutable est démarré détaché, sans shell, avec
// ses paramètres découpés comme les programmes de Windows découpent leur ligne
// de commande ; un document ou un dossier est ouvert par xdg-open.
#include <string>
#include <string_view>
#include <vector>

#include "core/plateforme/Lanceur.h"

namespace pulsodex {

class LanceurLinux final : public Lanceur {
public:
    int ShellExecute(std::string_view verbe, std::string_view fichier, std::string_view parametres,
                     std::string_view repertoire, ModeFenetre mode) override;
    // Le fichier, qu'ouvre l'éditeur du bureau par xdg-open.
    [[nodiscard]] CommandeSysteme EditeurTexte(const std::string& dossier,
                                               const std::string& fichier) const override {
        return {dossier + fichier, "", "xdg-open"};
    }
    [[nodiscard]] CommandeSysteme Redemarrage() const override {
        return {"systemctl", "reboot", "systemctl"};
    }
};

// Découpe des paramètres selon la règle des programmes Windows : blancs et
// tabulations séparent hors guillemets ; un guillemet ouvre ou ferme une
// citation ; « "" » dans une citation donne un guillemet ; 2n barres obliques
// inverses devant un guillemet en donnent n (le guillemet agit), 2n + 1 en
// donnent n et un guillemet littéral ; toute autre barre est littérale ;
// l'apostrophe est un caractère ordinaire ; une citation non fermée court
// jusqu'au bout. Rien n'est interprété (ni $, ni ;, ni `).
std::vector<std::string> DecouperParametres(std::string_view parametres);

// Chemin d'un programme cherché dans PATH quand son nom n'a pas de « / ».
std::string CheminProgramme(std::string_view fichier);

// Démarre argv détaché (le programme n'est pas notre enfant : aucun zombie),
// dans le dossier donné, sans nos descripteurs ouverts, signaux par défaut.
// Rend 0 ou le errno de l'échec (chdir ou exec).
int DemarrerDetache(const std::vector<std::string>& argv, const std::string& repertoire);

} // namespace pulsodex
