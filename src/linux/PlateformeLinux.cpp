#include "linux/PlateformeLinux.h"

#include <cstdlib>

#include "core/app/Affichage.h"
#include "core/config/RegistreFichier.h"
#include "linux/Emplacements.h"
#include "linux/SignauxArret.h"
#include "linux/SystemeNomsLinux.h"

namespace pulsodex {

PlateformeLinux::PlateformeLinux() = default;
PlateformeLinux::~PlateformeLinux() = default;

CarteLecteurs PlateformeLinux::Lecteurs(Registre& reglages) {
    return ChargerLecteurs(reglages, m_montages.Table().Montes);
}

std::string PlateformeLinux::WinVer() const {
    return pulsodex::WinVer();
}

std::unique_ptr<Registre> PlateformeLinux::OuvrirReglages() {
    // Un seul fichier pour toute la vie du programme : chaque registre ouvert le partage.
    if (!m_stockage) {
        m_stockage = std::make_unique<StockageFichier>(FichierReglages().string(), m_tempsVerrou);
    }
    return std::make_unique<RegistreFichier>(*m_stockage, m_horloge);
}

std::filesystem::path PlateformeLinux::CheminExecutable() const {
    return pulsodex::CheminExecutable();
}

std::string PlateformeLinux::RepertoireProgramme() const {
    return pulsodex::RepertoireProgramme();
}

std::filesystem::path PlateformeLinux::FichierReglages() const {
    return pulsodex::FichierReglages();
}

std::string PlateformeLinux::DossierExecution() const {
    return pulsodex::DossierExecution();
}

std::string PlateformeLinux::GreffonAffichage(bool capture) const {
    auto variable = [](const char* nom) {
        const char* valeur = std::getenv(nom);
        return valeur != nullptr ? std::string(valeur) : std::string();
    };
    return PlateformeImposee({variable("QT_QPA_PLATFORM"), variable("WAYLAND_DISPLAY"), variable("DISPLAY")},
                             capture);
}

std::intptr_t PlateformeLinux::SurveillerArret() {
    return SurveillerSignauxArret();
}

void PlateformeLinux::AcquitterArret() {
    AcquitterSignauxArret();
}

std::unique_ptr<Plateforme> PlateformeDuSysteme() {
    return std::make_unique<PlateformeLinux>();
}

} // namespace pulsodex
