#include "ui/app/ArrangementBandes.h"

#include "core/app/Reorganisation.h"
#include "core/config/TConfig.h"
#include "ui/app/CoolBar.h"
#include "ui/app/MenuOutils.h"

namespace pulsodex {

ArrangementBandes::ArrangementBandes(CoolBar& barre, MenuOutils& menu, bool& enConstruction,
                                     std::function<void()> ajuster)
    : m_barre(barre), m_menu(menu), m_enConstruction(enConstruction), m_ajuster(std::move(ajuster)) {}

void ArrangementBandes::Arranger(Organisation organisation, const std::vector<int>& cles) {
    if (organisation == Organisation::Manuelle) {
        return;
    }
    const bool dejaEnConstruction = m_enConstruction;
    m_enConstruction = true;
    Reorganiser(m_barre.Modele(), organisation, cles, m_barre.LargeurUtile());
    m_barre.Disposer();
    m_ajuster();
    m_enConstruction = dejaEnConstruction;
}

void ArrangementBandes::Choisir(TConfig& config, Organisation organisation) {
    config.Organisation = organisation;
    m_menu.CocherOrganisation(organisation);
    config.SauveOrganisation();
    config.Enregistrer();
}

void ArrangementBandes::Manuel(TConfig& config, Organisation organisation, const std::vector<int>& cles) {
    Choisir(config, Organisation::Manuelle);
    Arranger(organisation, cles);
}

void ArrangementBandes::Automatique(TConfig& config, Organisation organisation,
                                    const std::vector<int>& cles) {
    // Une seconde fois : retour à la disposition manuelle, les bandes restent où elles sont.
    Choisir(config, config.Organisation == organisation ? Organisation::Manuelle : organisation);
    if (config.Organisation != Organisation::Manuelle) {
        Arranger(organisation, cles);
    }
}

} // namespace pulsodex
