#pragma once
// Le serveur de contrôle : écoute TCP bloquante sur son propre fil, un fil
// par connexion, le protocole à lignes de Protocole.h.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

#include "core/net/Protocole.h"
#include "core/plateforme/Prises.h"

namespace pulsodex::net {

struct ParametresServeur {
    std::string Adresse;               // vide : toutes les adresses locales
    std::uint16_t Port = PortControle; // 0 : un port libre choisi par le système
    std::chrono::milliseconds Silence{30000};
    std::size_t ClientsMax = 64; // au-delà, fermée aussitôt sans salutation
};

// Appelés depuis un fil de service. Ils rendent la main quand l'utilisateur
// a fermé la boîte, ou tout de suite quand `arret` est demandé.
struct RappelsServeur {
    std::function<void(const std::string& texte, std::stop_token arret)> Montrer;
    std::function<void(const std::string& message, std::stop_token arret)> Signaler;
};

class ServeurControle {
public:
    ServeurControle(ParametresServeur parametres, RappelsServeur rappels);
    ~ServeurControle();
    ServeurControle(const ServeurControle&) = delete;
    ServeurControle& operator=(const ServeurControle&) = delete;

    // Ouvre l'écoute ; sans effet si elle est déjà ouverte. Lève ErreurPrise
    // quand le port ne peut être écouté. Activer et Desactiver se font depuis
    // un seul fil (celui de l'interface).
    void Activer();
    // Ferme l'écoute, met fin à chaque connexion et attend tous les fils.
    void Desactiver();

    [[nodiscard]] bool Actif() const noexcept { return m_ecoute.Valide(); }
    // Le port écouté (utile quand on a demandé le port 0).
    [[nodiscard]] std::uint16_t Port() const noexcept { return m_port; }
    [[nodiscard]] std::size_t Connexions() const noexcept { return m_connexions.load(); }
    // Attend que le nombre de connexions servies vaille `n` ; faux si le délai passe.
    bool AttendreConnexions(std::size_t n, std::chrono::milliseconds delai);

private:
    struct Connexion {
        Descripteur Client;
        std::thread Fil;
        std::atomic<bool> Finie{false};
    };

    void Ecouter();
    void Accepter();
    void Servir(Connexion& connexion);
    void Boucle(Poignee fd);
    void Recolter();
    void Terminee(Connexion& connexion);

    ParametresServeur m_parametres;
    RappelsServeur m_rappels;
    Descripteur m_ecoute;
    std::uint16_t m_port = 0;
    std::thread m_filEcoute;
    std::stop_source m_arret;
    Reveil m_reveil; // déclenché à la désactivation
    Reveil m_fins;   // une connexion s'est terminée : son fil est à joindre
    // Touchée par le fil d'écoute, puis par Desactiver une fois ce fil joint.
    std::list<std::unique_ptr<Connexion>> m_liste;
    std::atomic<std::size_t> m_connexions{0};
    std::mutex m_mutex;
    std::condition_variable m_changement;
};

} // namespace pulsodex::net
