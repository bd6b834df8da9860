#pragma once
// Les services réseau de la fenêtre : le serveur de contrôle (activé à
// chaque construction quand ModeServeur le veut) et la vérification des mises
// à jour, au démarrage et par le menu.
#include <cstdint>
#include <memory>
#include <string>

#include "core/net/AvisMiseAJour.h"
#include "core/net/Protocole.h"

namespace pulsodex {

class Presentateur;
class ServeurBureau;
class TConfig;
class VerificationMiseAJour;

class ReseauFenetre {
public:
    explicit ReseauFenetre(Presentateur& boites);
    ~ReseauFenetre();
    ReseauFenetre(const ReseauFenetre&) = delete;
    ReseauFenetre& operator=(const ReseauFenetre&) = delete;

    // Adresse et port d'écoute (les tests prennent la boucle locale et un port libre).
    void FixerEcoute(std::string adresse, std::uint16_t port);
    // Écoute si ModeServeur le veut, sinon plus ; un échec (port pris) est tu.
    void ActiverServeur(const TConfig& config);
    void VerifierMiseAJour(const TConfig& config, net::OrigineVerification origine);
    void Arreter();

    [[nodiscard]] ServeurBureau* Serveur() const { return m_serveur.get(); }
    [[nodiscard]] VerificationMiseAJour* Verification() const { return m_verification.get(); }

private:
    Presentateur& m_boites;
    std::string m_adresse; // vide : toutes les adresses locales
    std::uint16_t m_port = net::PortControle;
    std::unique_ptr<ServeurBureau> m_serveur;
    std::unique_ptr<VerificationMiseAJour> m_verification;
};

} // namespace pulsodex
