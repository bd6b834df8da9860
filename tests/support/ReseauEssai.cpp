#include "ReseauEssai.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace pulsodex::test {

namespace {

using Horloge = std::chrono::steady_clock;

constexpr const char* Boucle = "127.0.0.1";

std::chrono::milliseconds Reste(Horloge::time_point limite) {
    return std::max(std::chrono::duration_cast<std::chrono::milliseconds>(limite - Horloge::now()), 0ms);
}

} // namespace

ClientEssai::ClientEssai(std::uint16_t port) : m_prise(net::Connecter(Boucle, port, 10s, nullptr)) {}

void ClientEssai::Envoyer(std::string_view donnees) {
    if (!net::EnvoyerTout(m_prise.Fd(), donnees, nullptr, 10s)) {
        throw std::runtime_error("envoi impossible");
    }
}

ClientEssai::Lecture ClientEssai::Lire(Horloge::time_point limite) {
    if (net::AttendreLecture(m_prise.Fd(), nullptr, Reste(limite)) != net::Attente::Prete) {
        return Lecture::Delai;
    }
    std::array<char, 4096> tampon{};
    std::ptrdiff_t n = 0;
    try {
        n = net::Recevoir(m_prise.Fd(), tampon);
    } catch (const net::ErreurPrise&) {
        return Lecture::Fin; // remise à zéro : la connexion est finie
    }
    if (n == 0) {
        return Lecture::Fin;
    }
    if (n > 0) {
        m_recu.append(tampon.data(), static_cast<std::size_t>(n));
    }
    return Lecture::Donnees;
}

std::optional<std::string> ClientEssai::Ligne(std::chrono::milliseconds delai) {
    const auto limite = Horloge::now() + delai;
    for (;;) {
        const std::size_t fin = m_recu.find("\r\n");
        if (fin != std::string::npos) {
            std::string ligne = m_recu.substr(0, fin);
            m_recu.erase(0, fin + 2);
            return ligne;
        }
        if (Lire(limite) != Lecture::Donnees) {
            return std::nullopt;
        }
    }
}

bool ClientEssai::FinDeConnexion(std::chrono::milliseconds delai) {
    const auto limite = Horloge::now() + delai;
    for (;;) {
        switch (Lire(limite)) {
        case Lecture::Fin:
            return true;
        case Lecture::Delai:
            return false;
        case Lecture::Donnees:
            break;
        }
    }
}

ServeurWebFactice::ServeurWebFactice(std::string reponse, bool muet)
    : m_reponse(std::move(reponse)), m_muet(muet), m_ecoute(net::Ecouter(Boucle, 0)),
      m_port(net::PortLocal(m_ecoute.Fd())) {
    m_fil = std::thread(&ServeurWebFactice::Servir, this);
}

ServeurWebFactice::~ServeurWebFactice() {
    m_fin.Declencher();
    m_fil.join();
}

void ServeurWebFactice::Servir() {
    if (net::AttendreLecture(m_ecoute.Fd(), &m_fin, 30s) != net::Attente::Prete) {
        return;
    }
    bool epuise = false;
    const net::Descripteur client = net::Accepter(m_ecoute.Fd(), epuise);
    std::string requete;
    std::array<char, 1024> tampon{};
    try {
        while (client.Valide() && requete.find("\r\n\r\n") == std::string::npos &&
               net::AttendreLecture(client.Fd(), &m_fin, 10s) == net::Attente::Prete) {
            const std::ptrdiff_t n = net::Recevoir(client.Fd(), tampon);
            if (n == 0) {
                break;
            }
            requete.append(tampon.data(), static_cast<std::size_t>(std::max<std::ptrdiff_t>(n, 0)));
        }
    } catch (const net::ErreurPrise&) { // NOLINT(bugprone-empty-catch) : la requête reste ce qui est arrivé
    }
    {
        const std::lock_guard verrou(m_mutex);
        m_requete = requete;
    }
    m_recue.notify_all();
    if (m_muet) {
        net::AttendreLecture(m_fin.Fd(), nullptr, 60s);
        return;
    }
    try {
        net::EnvoyerTout(client.Fd(), m_reponse, &m_fin, 10s);
        // Attend que le client ait lu et fermé : pas de remise à zéro qui
        // avalerait la réponse.
        net::AttendreLecture(client.Fd(), &m_fin, 10s);
    } catch (const net::ErreurPrise&) { // NOLINT(bugprone-empty-catch) : le client est parti
    }
}

std::optional<std::string> ServeurWebFactice::Requete(std::chrono::milliseconds delai) {
    std::unique_lock verrou(m_mutex);
    m_recue.wait_for(verrou, delai, [&] { return m_requete.has_value(); });
    return m_requete;
}

std::uint16_t PortFerme() {
    const net::Descripteur prise = net::Ecouter(Boucle, 0);
    return net::PortLocal(prise.Fd()); // fermé en sortant : plus personne n'y écoute
}

} // namespace pulsodex::test
