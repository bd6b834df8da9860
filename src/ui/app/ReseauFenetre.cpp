#include "ui/app/ReseauFenetre.h"

#include <cstdlib>

#include "core/config/TConfig.h"
#include "core/net/MiseAJour.h"
#include "ui/net/ServeurBureau.h"
#include "ui/net/VerificationMiseAJour.h"

namespace pulsodex {

ReseauFenetre::ReseauFenetre(Presentateur& boites) : m_boites(boites) {}

ReseauFenetre::~ReseauFenetre() = default;

void ReseauFenetre::FixerEcoute(std::string adresse, std::uint16_t port) {
    m_adresse = std::move(adresse);
    m_port = port;
}

void ReseauFenetre::ActiverServeur(const TConfig& config) {
    if (!config.ModeServeur) {
        // Éteint dans les réglages : plus d'écoute.
        if (m_serveur) {
            m_serveur->Serveur().Desactiver();
        }
        return;
    }
    try {
        if (!m_serveur) {
            m_serveur = std::make_unique<ServeurBureau>(m_boites, net::ParametresServeur{m_adresse, m_port});
        }
        m_serveur->Serveur().Activer();
    } catch (const std::exception&) { // NOLINT(bugprone-empty-catch)
        // Port pris ou autre : sans serveur jusqu'au prochain affichage, sans message.
    }
}

void ReseauFenetre::VerifierMiseAJour(const TConfig& config, net::OrigineVerification origine) {
    if (!m_verification) {
        m_verification = std::make_unique<VerificationMiseAJour>(m_boites);
    }
    m_verification->Lancer(net::ParametresDepuis(config.Proxy, config.PortProxy, std::getenv("PULSODEX_MAJ")),
                           origine);
}

void ReseauFenetre::Arreter() {
    if (m_serveur) {
        m_serveur->Serveur().Desactiver();
    }
    if (m_verification) {
        m_verification->Arreter();
    }
}

} // namespace pulsodex
