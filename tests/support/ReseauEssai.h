#pragma once
// Doublures réseau sur la boucle locale : un client du protocole à lignes et
// un faux serveur web qui répond une fois.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
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
    void Envoyer(std::string_view donnees);
    // Une ligne reçue, sans son CR LF ; rien si la connexion se ferme ou si
    // le délai passe avant.
    std::optional<std::string> Ligne(std::chrono::milliseconds delai = 10s);
    // Vrai quand le serveur a fermé la connexion avant le délai ; ce qui
    // restait à lire est dans Recu().
    bool FinDeConnexion(std::chrono::milliseconds delai = 10s);
    [[nodiscard]] const std::string& Recu() const { return m_recu; }
    void Fermer() { m_prise.Fermer(); }

private:
    enum class Lecture { Donnees, Fin, Delai };
    Lecture Lire(std::chrono::steady_clock::time_point limite);

    net::Descripteur m_prise;
    std::string m_recu;
};

// Accepte une connexion, lit la requête, envoie `Reponse` et ferme ; muet,
// il garde la connexion ouverte sans rien dire jusqu'à sa destruction.
class ServeurWebFactice {
public:
    explicit ServeurWebFactice(std::string reponse, bool muet = false);
    ~ServeurWebFactice();
    ServeurWebFactice(const ServeurWebFactice&) = delete;
    ServeurWebFactice& operator=(const ServeurWebFactice&) = delete;

    [[nodiscard]] std::uint16_t Port() const { return m_port; }
    // La requête reçue, dès qu'elle est complète (ligne vide finale).
    std::optional<std::string> Requete(std::chrono::milliseconds delai = 10s);

private:
    void Servir();

    std::string m_reponse;
    bool m_muet;
    net::Descripteur m_ecoute;
    std::uint16_t m_port = 0;
    net::Reveil m_fin;
    std::mutex m_mutex;
    std::condition_variable m_recue;
    std::optional<std::string> m_requete;
    std::thread m_fil;
};

// Un port de la boucle locale où personne n'écoute.
std::uint16_t PortFerme();

} // namespace pulsodex::test
