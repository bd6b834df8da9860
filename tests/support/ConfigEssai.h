#pragma once
// Un magasin de réglages complet sur des doublures.
#include "Factices.h"
#include "config/RegistreMemoire.h"
#include "config/TConfig.h"
#include "interfaces/Locale.h"

namespace pulsodex::test {

struct ConfigEssai {
    RegistreMemoire Reg;
    PresentateurScripte Boites;
    EcranFactice Affichage;
    ListeDemarrageMemoire Demarrages;
    LocaleFrancaise Locale;
    MesureurFactice Mesureur;
    TConfig Config{
        TConfig::Services{Reg, Boites, Affichage, Demarrages, Locale, &Mesureur, "/opt/pulsodex/pulsodex"}};

    // Un registre qui a déjà répondu à la question du premier lancement.
    void DejaLance() {
        Reg.WriteString("", "Version", "1.0 Béta 2");
        Reg.WriteString("", "TestMiseAJour", "Non");
    }
};

} // namespace pulsodex::test
