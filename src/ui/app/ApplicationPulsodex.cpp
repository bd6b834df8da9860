#include "ui/app/ApplicationPulsodex.h"

#include <QSocketNotifier>

#include <exception>

#include "core/plateforme/Plateforme.h"
#include "ui/app/TraductionsQt.h"

namespace pulsodex {

ApplicationPulsodex::ApplicationPulsodex(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Pulsodex XP"));
    setQuitOnLastWindowClosed(false);
    ChargerTraductionsQt(*this);
}

bool ApplicationPulsodex::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& erreur) {
        if (TraiteErreur) {
            TraiteErreur(erreur.what());
        }
    } catch (...) {
        if (TraiteErreur) {
            TraiteErreur("Exception inconnue");
        }
    }
    return false;
}

void ApplicationPulsodex::InstallerSignauxArret(Plateforme& plateforme, std::function<void()> fermer) {
    m_fermer = std::move(fermer);
    m_plateforme = &plateforme;
    const std::intptr_t prise = plateforme.SurveillerArret();
    if (prise < 0) {
        return;
    }
    auto* notificateur = new QSocketNotifier(static_cast<qintptr>(prise), QSocketNotifier::Read, this);
    connect(notificateur, &QSocketNotifier::activated, this, &ApplicationPulsodex::Signale);
}

void ApplicationPulsodex::Signale() {
    m_plateforme->AcquitterArret();
    if (m_fermer) {
        m_fermer();
    }
}

} // namespace pulsodex
