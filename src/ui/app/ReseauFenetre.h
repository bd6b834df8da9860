#pragma once
// Les services réseau de la fenêtre : le serveur de contrôle (activé à
// chaque construction quand ModeServeur le veut), la page des mesures (quand
// PublierMesures le veut) et la vérification des mises à jour, au démarrage
// et par le menu.
#include <cstdint>
#include <memory>
#include <string>

#include "core/app/ReleveMesures.h"
#include "core/net/AvisMiseAJour.h"
#include "core/net/Protocole.h"

namespace pulsodex {

class Presentateur;
class ServeurBureau;
class TConfig;
class VerificationMiseAJour;
namespace net {
class ServeurMesures;
}

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
    // La page des mesures : adresse (vide : toutes, ou PULSODEX_ECOUTE_MESURES)
    // et port imposés (les tests prennent la boucle locale et un port libre).
    void FixerEcouteMesures(std::string adresse, std::uint16_t port);
    // Écoute sur PortMesures si PublierMesures le veut, sinon plus ; un port
    // pris est dit sur la sortie d'erreur, sans boîte.
    void ActiverMesures(const TConfig& config);
    // Le relevé que le tic remplit et que la page lit.
    [[nodiscard]] DernierReleve& Releve() { return m_releve; }
    [[nodiscard]] net::ServeurMesures* Mesures() const { return m_mesures.get(); }
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
    std::string m_adresseMesures;
    std::uint16_t m_portMesures = 0; // 0 : celui des réglages
    DernierReleve m_releve;          // avant le serveur, qui le lit jusqu'à sa fin
    std::unique_ptr<net::ServeurMesures> m_mesures;
};

} // namespace pulsodex
