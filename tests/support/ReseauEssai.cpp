#include "ReseauEssai.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>

namespace pulsodex::test {

namespace {

using Horloge = std::chrono::steady_clock;

sockaddr_in Boucle(std::uint16_t port) {
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_port = htons(port);
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return adresse;
}

std::chrono::milliseconds Reste(Horloge::time_point limite) {
    return std::max(std::chrono::duration_cast<std::chrono::milliseconds>(limite - Horloge::now()), 0ms);
}

} // namespace

ClientEssai::ClientEssai(std::uint16_t port) : m_prise(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    const sockaddr_in adresse = Boucle(port);
    if (::connect(m_prise.Fd(), reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse) != 0) {
        m_prise.Fermer();
    }
}

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
    const ssize_t n = ::recv(m_prise.Fd(), tampon.data(), tampon.size(), 0);
    if (n <= 0) {
        return n < 0 && errno == EINTR ? Lecture::Donnees : Lecture::Fin;
    }
    m_recu.append(tampon.data(), static_cast<std::size_t>(n));
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
    : m_reponse(std::move(reponse)), m_muet(muet),
      m_ecoute(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in adresse = Boucle(0);
    socklen_t taille = sizeof adresse;
    if (::bind(m_ecoute.Fd(), reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse) != 0 ||
        ::listen(m_ecoute.Fd(), 4) != 0 ||
        ::getsockname(m_ecoute.Fd(), reinterpret_cast<sockaddr*>(&adresse), &taille) != 0) {
        throw std::runtime_error("faux serveur web impossible");
    }
    m_port = ntohs(adresse.sin_port);
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
    const net::Descripteur client(::accept4(m_ecoute.Fd(), nullptr, nullptr, SOCK_CLOEXEC));
    std::string requete;
    std::array<char, 1024> tampon{};
    while (requete.find("\r\n\r\n") == std::string::npos &&
           net::AttendreLecture(client.Fd(), &m_fin, 10s) == net::Attente::Prete) {
        const ssize_t n = ::recv(client.Fd(), tampon.data(), tampon.size(), 0);
        if (n <= 0) {
            break;
        }
        requete.append(tampon.data(), static_cast<std::size_t>(n));
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
    ::send(client.Fd(), m_reponse.data(), m_reponse.size(), MSG_NOSIGNAL);
    ::shutdown(client.Fd(), SHUT_WR);
    // Attend que le client ait lu et fermé : pas de remise à zéro qui
    // avalerait la réponse.
    net::AttendreLecture(client.Fd(), &m_fin, 10s);
}

std::optional<std::string> ServeurWebFactice::Requete(std::chrono::milliseconds delai) {
    std::unique_lock verrou(m_mutex);
    m_recue.wait_for(verrou, delai, [&] { return m_requete.has_value(); });
    return m_requete;
}

std::uint16_t PortFerme() {
    const net::Descripteur prise(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in adresse = Boucle(0);
    socklen_t taille = sizeof adresse;
    ::bind(prise.Fd(), reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse);
    ::getsockname(prise.Fd(), reinterpret_cast<sockaddr*>(&adresse), &taille);
    return ntohs(adresse.sin_port); // fermé en sortant : plus personne n'y écoute
}

} // namespace pulsodex::test
