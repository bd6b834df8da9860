#pragma once
// Lancement par posix_spawnp ; un fil détaché attend chaque programme et
// récupère sa fin, même quand l'appelant a cessé d'attendre.
#include "interfaces/Executeur.h"
#include "interfaces/Lanceur.h"

namespace pulsodex {

class ExecuteurLinux : public Executeur {
public:
    ResultatProgramme Executer(const CommandeProgramme& commande) override;
};

// Ouvre le dossier avec « xdg-open », sans attendre.
class LanceurXdg : public Lanceur {
public:
    explicit LanceurXdg(Executeur& executeur) : m_executeur(executeur) {}
    void OuvrirDossier(std::string_view dossier) override;

private:
    Executeur& m_executeur;
};

} // namespace pulsodex
