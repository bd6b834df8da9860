// Les prises du contrat sur Winsock : WSAPoll pour les attentes, un couple de
// prises UDP en boucle locale pour le réveil.
#include "core/plateforme/Prises.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <vector>

namespace pulsodex::net {

namespace {

using Horloge = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr std::size_t PrisesMax = 4;

// Winsock démarré une fois pour tout le programme.
void DemarrerWinsock() {
    static const int demarre = [] {
        WSADATA donnees{};
        return ::WSAStartup(MAKEWORD(2, 2), &donnees);
    }();
    if (demarre != 0) {
        throw ErreurPrise("WSAStartup", demarre);
    }
}

const char* Description(int code) {
    switch (code) {
    case WSAECONNRESET:
        return "connexion réinitialisée par le correspondant";
    case WSAECONNREFUSED:
        return "connexion refusée";
    case WSAECONNABORTED:
        return "connexion abandonnée";
    case WSAETIMEDOUT:
        return "délai de connexion dépassé";
    case WSAESHUTDOWN:
        return "connexion rompue";
    case WSAENOTCONN:
        return "prise non connectée";
    case WSAENOBUFS:
        return "plus de tampon disponible";
    case WSAEMFILE:
        return "trop de prises ouvertes";
    case WSAEADDRINUSE:
        return "adresse déjà utilisée";
    case WSAEADDRNOTAVAIL:
        return "adresse non disponible";
    case WSAEACCES:
        return "permission refusée";
    case WSAENETUNREACH:
    case WSAENETDOWN:
        return "réseau inaccessible";
    case WSAEHOSTUNREACH:
        return "hôte inaccessible";
    case WSAEINVAL:
        return "argument invalide";
    default:
        return "erreur du système";
    }
}

std::string Message(std::string_view appel, int code) {
    return "Erreur de socket " + std::to_string(code) + " (" + Description(code) + ") lors de l'appel « " +
           std::string(appel) + " ».";
}

SOCKET Prise(Poignee fd) {
    return static_cast<SOCKET>(fd);
}

int Reste(Horloge::time_point fin) {
    const auto reste = std::chrono::duration_cast<milliseconds>(fin - Horloge::now()).count();
    return static_cast<int>(std::clamp<long long>(reste, 0, INT_MAX));
}

int Reste(Horloge::time_point fin, milliseconds delai) {
    return delai < milliseconds::zero() ? -1 : Reste(fin);
}

// Une prise non bloquante, non héritée par les programmes lancés.
Descripteur Nouvelle(int famille, int type, int protocole) {
    DemarrerWinsock();
    Descripteur prise(static_cast<Poignee>(::WSASocketW(famille, type, protocole, nullptr, 0,
                                                        WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT)));
    if (Prise(prise.Fd()) == INVALID_SOCKET) {
        return {};
    }
    u_long oui = 1;
    ::ioctlsocket(Prise(prise.Fd()), FIONBIO, &oui);
    return prise;
}

// WSAPoll : Reveil si la première prise (le réveil, quand il y en a un)
// s'est manifestée, Prete si une autre l'a fait, Delai sinon.
Attente Sonder(std::span<WSAPOLLFD> surveilles, bool avecReveil, milliseconds delai) {
    const int n = ::WSAPoll(surveilles.data(), static_cast<ULONG>(surveilles.size()),
                            Reste(Horloge::now() + delai, delai));
    if (n == SOCKET_ERROR) {
        throw ErreurPrise("WSAPoll", ::WSAGetLastError());
    }
    if (n == 0) {
        return Attente::Delai;
    }
    return avecReveil && surveilles.front().revents != 0 ? Attente::Reveil : Attente::Prete;
}

Attente Attendre(std::span<const Poignee> prises, short evenement, std::span<bool> pretes,
                 const Reveil* reveil, milliseconds delai) {
    std::array<WSAPOLLFD, PrisesMax + 1> surveilles{};
    if (prises.size() > PrisesMax) {
        throw ErreurPrise("WSAPoll", WSAEINVAL);
    }
    ULONG nombre = 0;
    if (reveil != nullptr) {
        surveilles[nombre++] = WSAPOLLFD{Prise(reveil->Fd()), POLLRDNORM, 0};
    }
    for (const Poignee prise : prises) {
        surveilles[nombre++] = WSAPOLLFD{Prise(prise), evenement, 0};
    }
    const Attente attente = Sonder(std::span(surveilles.data(), nombre), reveil != nullptr, delai);
    const std::size_t premiere = reveil != nullptr ? 1 : 0;
    for (std::size_t i = 0; i < prises.size(); ++i) {
        // Erreur ou raccrochage comptent comme prêts : l'appel suivant le dira.
        pretes[i] = surveilles[premiere + i].revents != 0;
    }
    return attente;
}

Attente AttendreUne(Poignee fd, short evenement, const Reveil* reveil, milliseconds delai) {
    bool prete = false;
    return Attendre(std::span(&fd, 1), evenement, std::span(&prete, 1), reveil, delai);
}

Descripteur Lier(int famille, const sockaddr* adresse, int taille) {
    Descripteur prise = Nouvelle(famille, SOCK_STREAM, IPPROTO_TCP);
    if (!prise.Valide()) {
        throw ErreurPrise("socket", ::WSAGetLastError());
    }
    const SOCKET s = Prise(prise.Fd());
    // Sous Windows, SO_REUSEADDR laisserait un autre programme prendre le port.
    const BOOL oui = TRUE;
    ::setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&oui), sizeof oui);
    if (famille == AF_INET6) {
        const DWORD non = 0;
        ::setsockopt(s, IPPROTO_IPV6, IPV6_V6ONLY, reinterpret_cast<const char*>(&non), sizeof non);
    }
    if (::bind(s, adresse, taille) != 0) {
        throw ErreurPrise("bind", ::WSAGetLastError());
    }
    if (::listen(s, SOMAXCONN) != 0) {
        throw ErreurPrise("listen", ::WSAGetLastError());
    }
    return prise;
}

} // namespace

ErreurPrise::ErreurPrise(std::string_view appel, int code) : Erreur(Message(appel, code)), m_code(code) {}

bool ErreurPrise::CorrespondantParti() const noexcept {
    return m_code == WSAECONNRESET || m_code == WSAESHUTDOWN || m_code == WSAENOTCONN ||
           m_code == WSAECONNABORTED || m_code == WSAETIMEDOUT;
}

Descripteur& Descripteur::operator=(Descripteur&& autre) noexcept {
    if (this != &autre) {
        Fermer();
        m_fd = std::exchange(autre.m_fd, PoigneeInvalide);
    }
    return *this;
}

void Descripteur::Fermer() noexcept {
    if (Valide()) {
        ::closesocket(Prise(m_fd));
        m_fd = PoigneeInvalide;
    }
}

Reveil::Reveil() {
    // Deux prises UDP liées l'une à l'autre sur 127.0.0.1 : un datagramme
    // envoyé rend la première lisible.
    m_lecture = Nouvelle(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    m_ecriture = Nouvelle(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (!m_lecture.Valide() || !m_ecriture.Valide()) {
        throw ErreurPrise("socket", ::WSAGetLastError());
    }
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int taille = sizeof adresse;
    auto* a = reinterpret_cast<sockaddr*>(&adresse);
    if (::bind(Prise(m_lecture.Fd()), a, taille) != 0 ||
        ::getsockname(Prise(m_lecture.Fd()), a, &taille) != 0 ||
        ::connect(Prise(m_ecriture.Fd()), a, taille) != 0) {
        throw ErreurPrise("bind", ::WSAGetLastError());
    }
}

void Reveil::Declencher() noexcept {
    const char octet = 1;
    ::send(Prise(m_ecriture.Fd()), &octet, 1, 0);
}

void Reveil::Vider() noexcept {
    std::array<char, 64> tampon{};
    // Au plus autant de datagrammes qu'il en tient dans la file : borné.
    for (int i = 0; i < 4096 && ::recv(Prise(m_lecture.Fd()), tampon.data(), tampon.size(), 0) > 0; ++i) {
    }
}

Attente AttendrePrises(std::span<const Poignee> prises, std::span<bool> pretes, const Reveil* reveil,
                       milliseconds delai) {
    return Attendre(prises, POLLRDNORM, pretes, reveil, delai);
}

Attente AttendreEnsemble(std::span<PriseSurveillee> prises, const Reveil* reveil, milliseconds delai) {
    std::vector<WSAPOLLFD> surveilles;
    surveilles.reserve(prises.size() + 1);
    if (reveil != nullptr) {
        surveilles.push_back(WSAPOLLFD{Prise(reveil->Fd()), POLLRDNORM, 0});
    }
    for (const PriseSurveillee& p : prises) {
        surveilles.push_back(
            WSAPOLLFD{Prise(p.Prise), static_cast<short>(p.Ecriture ? POLLWRNORM : POLLRDNORM), 0});
    }
    const Attente attente = Sonder(surveilles, reveil != nullptr, delai);
    const std::size_t premiere = reveil != nullptr ? 1 : 0;
    for (std::size_t i = 0; i < prises.size(); ++i) {
        prises[i].Prete = surveilles[premiere + i].revents != 0;
    }
    return attente;
}

Attente AttendreLecture(Poignee fd, const Reveil* reveil, milliseconds delai) {
    return AttendreUne(fd, POLLRDNORM, reveil, delai);
}

Attente AttendreEcriture(Poignee fd, const Reveil* reveil, milliseconds delai) {
    return AttendreUne(fd, POLLWRNORM, reveil, delai);
}

Descripteur Ecouter(const std::string& adresse, std::uint16_t port) {
    DemarrerWinsock();
    sockaddr_in v4{};
    v4.sin_family = AF_INET;
    v4.sin_port = htons(port);
    sockaddr_in6 v6{};
    v6.sin6_family = AF_INET6;
    v6.sin6_port = htons(port);
    const auto* a4 = reinterpret_cast<const sockaddr*>(&v4);
    const auto* a6 = reinterpret_cast<const sockaddr*>(&v6);
    if (adresse.empty()) {
        v4.sin_addr.s_addr = htonl(INADDR_ANY);
        v6.sin6_addr = in6addr_any;
        try {
            return Lier(AF_INET6, a6, sizeof v6);
        } catch (const ErreurPrise& erreur) {
            if (erreur.Code() == WSAEADDRINUSE || erreur.Code() == WSAEACCES) {
                throw;
            }
            return Lier(AF_INET, a4, sizeof v4);
        }
    }
    if (::inet_pton(AF_INET, adresse.c_str(), &v4.sin_addr) == 1) {
        return Lier(AF_INET, a4, sizeof v4);
    }
    if (::inet_pton(AF_INET6, adresse.c_str(), &v6.sin6_addr) == 1) {
        return Lier(AF_INET6, a6, sizeof v6);
    }
    throw ErreurPrise("inet_pton", WSAEINVAL);
}

std::uint16_t PortLocal(Poignee fd) {
    sockaddr_storage adresse{};
    int taille = sizeof adresse;
    if (::getsockname(Prise(fd), reinterpret_cast<sockaddr*>(&adresse), &taille) != 0) {
        throw ErreurPrise("getsockname", ::WSAGetLastError());
    }
    if (adresse.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&adresse)->sin6_port);
    }
    return ntohs(reinterpret_cast<const sockaddr_in*>(&adresse)->sin_port);
}

Descripteur Accepter(Poignee ecoute, bool& ressourcesEpuisees) {
    Descripteur client(static_cast<Poignee>(::accept(Prise(ecoute), nullptr, nullptr)));
    if (Prise(client.Fd()) == INVALID_SOCKET) {
        const int erreur = ::WSAGetLastError();
        ressourcesEpuisees = erreur == WSAEMFILE || erreur == WSAENOBUFS;
        return {};
    }
    ressourcesEpuisees = false;
    // La prise acceptée hérite du mode non bloquant de l'écoute ; on le redit.
    u_long oui = 1;
    ::ioctlsocket(Prise(client.Fd()), FIONBIO, &oui);
    ::SetHandleInformation(reinterpret_cast<HANDLE>(client.Fd()), HANDLE_FLAG_INHERIT, 0);
    return client;
}

std::ptrdiff_t Recevoir(Poignee fd, std::span<char> zone) {
    const int lus =
        ::recv(Prise(fd), zone.data(), static_cast<int>(std::min<std::size_t>(zone.size(), INT_MAX)), 0);
    if (lus >= 0) {
        return lus;
    }
    const int erreur = ::WSAGetLastError();
    if (erreur == WSAEWOULDBLOCK) {
        return -1;
    }
    throw ErreurPrise("recv", erreur);
}

std::ptrdiff_t Envoyer(Poignee fd, std::string_view donnees) {
    const int n = ::send(Prise(fd), donnees.data(),
                         static_cast<int>(std::min<std::size_t>(donnees.size(), INT_MAX)), 0);
    if (n >= 0) {
        return n;
    }
    const int erreur = ::WSAGetLastError();
    if (erreur == WSAEWOULDBLOCK) {
        return -1;
    }
    throw ErreurPrise("send", erreur);
}

Descripteur Connecter(const std::string& hote, std::uint16_t port, milliseconds delai, const Reveil* reveil) {
    DemarrerWinsock();
    addrinfo indices{};
    indices.ai_family = AF_UNSPEC;
    indices.ai_socktype = SOCK_STREAM;
    addrinfo* trouvees = nullptr;
    if (hote.empty() || ::getaddrinfo(hote.c_str(), std::to_string(port).c_str(), &indices, &trouvees) != 0) {
        return {};
    }
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> liste(trouvees, &::freeaddrinfo);
    const auto fin = Horloge::now() + delai;
    for (const addrinfo* a = liste.get(); a != nullptr; a = a->ai_next) {
        Descripteur prise = Nouvelle(a->ai_family, a->ai_socktype, a->ai_protocol);
        if (!prise.Valide()) {
            continue;
        }
        if (::connect(Prise(prise.Fd()), a->ai_addr, static_cast<int>(a->ai_addrlen)) == 0) {
            return prise;
        }
        if (::WSAGetLastError() != WSAEWOULDBLOCK) {
            continue;
        }
        Attente attente = Attente::Delai;
        try {
            attente = AttendreEcriture(prise.Fd(), reveil, milliseconds(Reste(fin)));
        } catch (const ErreurPrise&) {
            continue;
        }
        if (attente != Attente::Prete) {
            return {};
        }
        int erreur = 0;
        int taille = sizeof erreur;
        if (::getsockopt(Prise(prise.Fd()), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&erreur),
                         &taille) == 0 &&
            erreur == 0) {
            return prise;
        }
    }
    return {};
}

} // namespace pulsodex::net
