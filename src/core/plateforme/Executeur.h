#pragma once
// Lancement d'un programme dont on veut la réponse (code de sortie et
// messages), sans interpréteur de commandes, avec un délai. Pour ouvrir un
// document ou lancer une tâche sans attendre, voir Lanceur.h.
#include <chrono>
#include <string>
#include <vector>

namespace pulsodex {

struct CommandeProgramme {
    std::vector<std::string> Arguments;     // le premier est le programme, cherché dans le PATH
    std::vector<std::string> Environnement; // « NOM=valeur » ajoutés ou remplacés
    std::chrono::milliseconds Delai{0};     // attente au plus
};

struct ResultatProgramme {
    bool Lance = false; // faux : le programme n'a pu être lancé (ErreurLancement dit pourquoi)
    int ErreurLancement = 0;
    bool Termine = false; // il a fini dans le délai
    int Code = -1;        // son code de sortie ; 128 + n s'il a été tué par le signal n
    std::string Erreurs;  // le début de sa sortie d'erreur
};

class Executeur {
public:
    virtual ~Executeur() = default;
    // Un programme qui dépasse le délai est tué ; on ne l'attend pas davantage.
    virtual ResultatProgramme Executer(const CommandeProgramme& commande) = 0;
};

} // namespace pulsodex
