#pragma once
// Un magasin de réglages complet sur des doublures : sur le registre en
// mémoire (ConfigEssai), ou sur le registre du fichier des réglages dont le
// fichier est tenu en mémoire (ConfigFichierEssai).
#include <optional>
#include <string>

#include "Factices.h"
#include "core/config/RegistreFichier.h"
#include "core/config/RegistreMemoire.h"
#include "core/config/TConfig.h"
#include "core/plateforme/Locale.h"

namespace pulsodex::test {

struct RegistreEnMemoire {
    RegistreMemoire Reg;
};

// Le fichier est lu à la création du registre : son contenu, et la cause qui
// fera échouer sa copie, sont donnés avant.
struct RegistreSurFichierEnMemoire {
    explicit RegistreSurFichierEnMemoire(std::optional<std::string> contenu = std::nullopt,
                                         std::string echecCopie = {})
        : Stockage([&] {
              StockageMemoire stockage;
              stockage.Octets = std::move(contenu);
              stockage.EchecCopie = std::move(echecCopie);
              return stockage;
          }()) {}
    StockageMemoire Stockage;
    HorlogeFactice Horloge;
    RegistreFichier Reg{Stockage, Horloge};
};

template <typename Registres>
struct MagasinEssai : Registres {
    using Registres::Registres;
    PresentateurScripte Boites;
    EcranFactice Affichage;
    ListeDemarrageMemoire Demarrages;
    LocaleFrancaise Locale;
    MesureurFactice Mesureur;
    TConfig Config{TConfig::Services{this->Reg, Boites, Affichage, Demarrages, Locale, &Mesureur,
                                     "/opt/pulsodex/pulsodex"}};

    // Un registre qui a déjà répondu à la question du premier lancement.
    void DejaLance() {
        this->Reg.WriteString("", "Version", "1.0 Béta 2");
        this->Reg.WriteString("", "TestMiseAJour", "Non");
    }
};

using ConfigEssai = MagasinEssai<RegistreEnMemoire>;
using ConfigFichierEssai = MagasinEssai<RegistreSurFichierEnMemoire>;

} // namespace pulsodex::test
