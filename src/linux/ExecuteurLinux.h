#pragma once
// Lancement par posix_spawnp ; un fil détaché attend chaque programme et
// récupère sa fin, même quand l'appelant a cessé d'attendre.
#include "core/plateforme/Executeur.h"

namespace pulsodex {

class ExecuteurLinux : public Executeur {
public:
    ResultatProgramme Executer(const CommandeProgramme& commande) override;
};

} // namespace pulsodex
