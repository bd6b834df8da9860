#pragma once
// Doublures réseau sur la boucle locale : un client du protocole à lignes et
// un faux serveur web qui répond une fois.
#include <chrono>
#include <cstdint>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "Attentes.h"
#include "core/plateforme/Prises.h"

namespace pulsodex::test {

using namespace std::chrono_literals;

class ClientEssai {
public:
    explicit ClientEssai(std::uint16_t port);
    [[nodiscard]] bool Connecte() const { return m_prise.Valide(); }
    // Faux quand le serveur a déjà fermé.
    bool Envoyer(std::string_view donnees);
    // Une ligne reçue, sans son CR LF ; rien si la connexion se ferme ou si
    // le délai passe avant.
    std::optional<std::string> Ligne(std::chrono::milliseconds delai = 10s);
    // Vrai quand le serveur a fermé la connexion avant le délai ; ce qui
    // restait à lire est dans Recu().
    bool FinDeConnexion(std::chrono::milliseconds delai = 10s);
    [[nodiscard]] const std::string& Recu() const { return m_recu; }

private:
    // Vrai quand des octets sont arrivés avant la limite ; m_ferme dit si
    // la connexion est finie.
    bool Lire(std::chrono::steady_clock::time_point limite);

    net::Descripteur m_prise;
    std::string m_recu;
    bool m_ferme = false;
};

// Accepte une connexion, lit la requête, envoie `Reponse` et ferme quand le
// client part ; muet, il n'envoie rien.
class ServeurWebFactice {
public:
    explicit ServeurWebFactice(std::string reponse, bool muet = false);
    ~ServeurWebFactice();

    [[nodiscard]] std::uint16_t Port() const { return m_port; }
    // La requête reçue, dès qu'elle est complète (ligne vide finale).
    std::optional<std::string> Requete(std::chrono::milliseconds delai = 10s);

private:
    void Servir();

    std::string m_reponse;
    net::Descripteur m_ecoute;
    std::uint16_t m_port = 0;
    net::Reveil m_fin;
    std::promise<std::string> m_requete;
    std::shared_future<std::string> m_recue = m_requete.get_future().share();
    std::thread m_fil;
};

// Un port de la boucle locale où personne n'écoute.
std::uint16_t PortFerme();

} // namespace pulsodex::test
