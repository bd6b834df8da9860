#include "ui/app/ReseauFenetre.h"

#include <cstdio>
#include <cstdlib>

#include "core/config/TConfig.h"
#include "core/net/MiseAJour.h"
#include "core/net/PageMesures.h"
#include "core/net/ServeurMesures.h"
#include "ui/net/ServeurBureau.h"
#include "ui/net/VerificationMiseAJour.h"

namespace pulsodex {

ReseauFenetre::ReseauFenetre(Presentateur& boites) : m_boites(boites) {
    if (const char* adresse = std::getenv("PULSODEX_ECOUTE_MESURES")) {
        m_adresseMesures = adresse;
    }
}

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

void ReseauFenetre::FixerEcouteMesures(std::string adresse, std::uint16_t port) {
    m_adresseMesures = std::move(adresse);
    m_portMesures = port;
}

void ReseauFenetre::ActiverMesures(const TConfig& config) {
    if (!config.PublierMesures) {
        m_mesures.reset(); // plus d'écoute
        return;
    }
    const auto port = m_portMesures != 0 ? m_portMesures : static_cast<std::uint16_t>(config.PortMesures);
    if (m_mesures && m_mesures->Parametres().Port != port) {
        m_mesures.reset(); // port changé dans la configuration
    }
    if (!m_mesures) {
        m_mesures =
            std::make_unique<net::ServeurMesures>(net::ParametresMesures{m_adresseMesures, port},
                                                  [this] { return net::PageMesures(m_releve.Lire()); });
    }
    try {
        m_mesures->Activer();
    } catch (const std::exception& erreur) {
        std::fprintf(stderr, "pulsodex : la page des mesures ne peut pas écouter sur le port %u : %s\n",
                     static_cast<unsigned>(port), erreur.what());
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
    m_mesures.reset();
    if (m_verification) {
        m_verification->Arreter();
    }
}

} // namespace pulsodex
