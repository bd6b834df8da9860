#pragma once
// Un dialogue de configuration sur un magasin de réglages d'essai (en mémoire
// par défaut), avec les lettres C = /, D = /home, E = /media/cle.
#include <memory>

#include "ConfigEssai.h"
#include "core/config/dialog/TOptionsForm.h"

namespace pulsodex::test {

template <typename Magasin>
struct DialogueSur {
    DialogueSur() {
        e.DejaLance();
        e.Config.ChargeTout();
    }
    std::unique_ptr<TOptionsForm> Ouvrir(const LocaleUtilisateur* locale = nullptr) {
        CarteLecteurs carte;
        carte.Fixer('C', "/");
        carte.Fixer('D', "/home");
        carte.Fixer('E', "/media/cle");
        return std::make_unique<TOptionsForm>(ServicesOptions{e.Config,
                                                              e.Boites,
                                                              locale != nullptr ? *locale : e.Locale,
                                                              {"DejaVu Sans"},
                                                              true,
                                                              {3},
                                                              carte,
                                                              {},
                                                              {},
                                                              {}});
    }
    Magasin e;
};

using DialogueEssai = DialogueSur<ConfigEssai>;

} // namespace pulsodex::test
