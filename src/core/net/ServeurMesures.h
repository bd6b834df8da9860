#pragma once
// Le serveur HTTP de la page des mesures : un seul fil qui attend à la fois
// l'écoute et tous ses clients (rien ne tourne quand personne ne demande),
// un nombre de clients borné, une taille de requête bornée, des délais de
// lecture et d'écriture, chaque connexion fermée après sa réponse.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/plateforme/Prises.h"

namespace pulsodex::net {

inline constexpr std::uint16_t PortMesuresDefaut = 11090;

struct ParametresMesures {
    std::string Adresse; // vide : toutes les adresses locales
    std::uint16_t Port = PortMesuresDefaut;
    std::size_t ClientsMax = 32;                   // au-delà, fermée aussitôt
    std::size_t RequeteMax = 8192;                 // ligne de requête et en-têtes
    std::chrono::milliseconds DelaiLecture{5000};  // pour recevoir toute la requête
    std::chrono::milliseconds DelaiEcriture{5000}; // pour envoyer toute la réponse
};

class ServeurMesures {
public:
    // page : le texte des mesures, appelé sur le fil du serveur ; il ne doit
    // jamais attendre.
    ServeurMesures(ParametresMesures parametres, std::function<std::string()> page);
    ~ServeurMesures();
    ServeurMesures(const ServeurMesures&) = delete;
    ServeurMesures& operator=(const ServeurMesures&) = delete;

    // Ouvre l'écoute et démarre le fil ; sans effet si elle est ouverte.
    // Lève ErreurPrise quand le port ne peut être écouté.
    void Activer();
    // Arrête le fil et ferme l'écoute et chaque client.
    void Desactiver();

    [[nodiscard]] bool Actif() const noexcept { return m_ecoute.Valide(); }
    [[nodiscard]] std::uint16_t Port() const noexcept { return m_port; }
    [[nodiscard]] const ParametresMesures& Parametres() const noexcept { return m_parametres; }
    // Clients en cours (pour les essais).
    [[nodiscard]] std::size_t Clients() const noexcept { return m_nombre.load(); }

private:
    using Instant = std::chrono::steady_clock::time_point;
    struct Client {
        Descripteur Prise;
        std::string Entree;
        std::string Sortie;
        std::size_t Envoye = 0;
        Instant Echeance;
        bool Fini = false;
    };

    void Boucle();
    void Accepter(Instant maintenant);
    void Lire(Client& client, Instant maintenant);
    void Ecrire(Client& client);
    void Preparer(Client& client, std::string reponse, Instant maintenant);
    void Expirer(Instant maintenant);
    [[nodiscard]] std::chrono::milliseconds Delai(Instant maintenant) const;

    ParametresMesures m_parametres;
    std::function<std::string()> m_page;
    Descripteur m_ecoute;
    std::uint16_t m_port = 0;
    std::thread m_fil;
    Reveil m_reveil;               // déclenché à la désactivation
    std::vector<Client> m_clients; // touché par le fil seul
    std::atomic<std::size_t> m_nombre{0};
};

} // namespace pulsodex::net
