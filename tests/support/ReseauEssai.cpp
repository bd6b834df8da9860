#include "ReseauEssai.h"

#include <algorithm>
#include <array>

namespace pulsodex::test {

using Horloge = std::chrono::steady_clock;

constexpr const char* Boucle = "127.0.0.1";

ClientEssai::ClientEssai(std::uint16_t port) : m_prise(net::Connecter(Boucle, port, 10s, nullptr)) {}

bool ClientEssai::Envoyer(std::string_view donnees) try {
    return net::EnvoyerTout(m_prise.Fd(), donnees, nullptr, 10s);
} catch (const net::ErreurPrise&) {
    return false;
}

bool ClientEssai::Lire(Horloge::time_point limite) {
    const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(limite - Horloge::now());
    if (net::AttendreLecture(m_prise.Fd(), nullptr, std::max(reste, 0ms)) != net::Attente::Prete) {
        return false;
    }
    std::array<char, 4096> tampon{};
    std::ptrdiff_t n = 0;
    try {
        n = net::Recevoir(m_prise.Fd(), tampon);
    } catch (const net::ErreurPrise&) { // NOLINT(bugprone-empty-catch) : remise à zéro, c'est la fin
    }
    m_recu.append(tampon.data(), static_cast<std::size_t>(std::max<std::ptrdiff_t>(n, 0)));
    m_ferme = n == 0;
    return !m_ferme;
}

std::optional<std::string> ClientEssai::Ligne(std::chrono::milliseconds delai) {
    const auto limite = Horloge::now() + delai;
    std::size_t fin = 0;
    while ((fin = m_recu.find("\r\n")) == std::string::npos) {
        if (!Lire(limite)) {
            return std::nullopt;
        }
    }
    std::string ligne = m_recu.substr(0, fin);
    m_recu.erase(0, fin + 2);
    return ligne;
}

bool ClientEssai::FinDeConnexion(std::chrono::milliseconds delai) {
    const auto limite = Horloge::now() + delai;
    while (Lire(limite)) {
    }
    return m_ferme;
}

ServeurWebFactice::ServeurWebFactice(std::string reponse, bool muet)
    : m_reponse(muet ? "" : std::move(reponse)), m_ecoute(net::Ecouter(Boucle, 0)),
      m_port(net::PortLocal(m_ecoute.Fd())), m_fil(&ServeurWebFactice::Servir, this) {}

ServeurWebFactice::~ServeurWebFactice() {
    m_fin.Declencher();
    m_fil.join();
}

void ServeurWebFactice::Servir() try {
    if (net::AttendreLecture(m_ecoute.Fd(), &m_fin, 30s) != net::Attente::Prete) {
        return;
    }
    bool epuise = false;
    const net::Descripteur client = net::Accepter(m_ecoute.Fd(), epuise);
    std::string requete;
    std::array<char, 1024> tampon{};
    std::ptrdiff_t n = 1;
    try {
        while (n != 0 && requete.find("\r\n\r\n") == std::string::npos &&
               net::AttendreLecture(client.Fd(), &m_fin, 10s) == net::Attente::Prete) {
            n = net::Recevoir(client.Fd(), tampon);
            requete.append(tampon.data(), static_cast<std::size_t>(std::max<std::ptrdiff_t>(n, 0)));
        }
    } catch (const net::ErreurPrise&) { // NOLINT(bugprone-empty-catch) : la requête reste ce qui est arrivé
    }
    m_requete.set_value(requete);
    net::EnvoyerTout(client.Fd(), m_reponse, &m_fin, 10s);
    // Attend que le client ait fermé : pas de remise à zéro qui avalerait la réponse.
    net::AttendreLecture(client.Fd(), &m_fin, 60s);
} catch (const net::ErreurPrise&) { // NOLINT(bugprone-empty-catch) : le client est parti
}

std::optional<std::string> ServeurWebFactice::Requete(std::chrono::milliseconds delai) {
    return m_recue.wait_for(delai) == std::future_status::ready ? std::optional(m_recue.get()) : std::nullopt;
}

std::uint16_t PortFerme() {
    const net::Descripteur prise = net::Ecouter(Boucle, 0);
    return net::PortLocal(prise.Fd()); // fermé en sortant : plus personne n'y écoute
}

} // namespace pulsodex::test
