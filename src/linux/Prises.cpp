#include "core/plateforme/Prises.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <memory>
#include <vector>

namespace pulsodex::net {

namespace {

using Horloge = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr std::size_t PrisesMax = 4;

const char* Description(int code) {
    switch (code) {
    case ECONNRESET:
        return "connexion réinitialisée par le correspondant";
    case ECONNREFUSED:
        return "connexion refusée";
    case ECONNABORTED:
        return "connexion abandonnée";
    case ETIMEDOUT:
        return "délai de connexion dépassé";
    case EPIPE:
        return "connexion rompue";
    case ENOTCONN:
        return "prise non connectée";
    case ENOMEM:
        return "mémoire insuffisante";
    case ENOBUFS:
        return "plus de tampon disponible";
    case EMFILE:
    case ENFILE:
        return "trop de fichiers ouverts";
    case EADDRINUSE:
        return "adresse déjà utilisée";
    case EADDRNOTAVAIL:
        return "adresse non disponible";
    case EACCES:
        return "permission refusée";
    case ENETUNREACH:
    case ENETDOWN:
        return "réseau inaccessible";
    case EHOSTUNREACH:
        return "hôte inaccessible";
    case EINVAL:
        return "argument invalide";
    default:
        return "erreur du système";
    }
}

std::string Message(std::string_view appel, int code) {
    return "Erreur de socket " + std::to_string(code) + " (" + Description(code) + ") lors de l'appel « " +
           std::string(appel) + " ».";
}

int Reste(Horloge::time_point fin) {
    const auto reste = std::chrono::duration_cast<milliseconds>(fin - Horloge::now()).count();
    return static_cast<int>(std::clamp<long long>(reste, 0, INT_MAX));
}

// Sans fin quand le délai est négatif.
int Reste(Horloge::time_point fin, milliseconds delai) {
    return delai < milliseconds::zero() ? -1 : Reste(fin);
}

// poll, relancé après un signal : Reveil si la première prise (le réveil,
// quand il y en a un) s'est manifestée, Prete si une autre l'a fait, Delai sinon.
Attente Sonder(std::span<pollfd> surveilles, bool avecReveil, milliseconds delai) {
    const auto fin = Horloge::now() + delai;
    for (;;) {
        const int n = ::poll(surveilles.data(), surveilles.size(), Reste(fin, delai));
        if (n > 0) {
            return avecReveil && surveilles.front().revents != 0 ? Attente::Reveil : Attente::Prete;
        }
        if (n == 0) {
            return Attente::Delai;
        }
        if (errno != EINTR) {
            throw ErreurPrise("poll", errno);
        }
    }
}

Attente Attendre(std::span<const Poignee> prises, short evenement, std::span<bool> pretes,
                 const Reveil* reveil, milliseconds delai) {
    // Quelques prises au plus : pas d'allocation à chaque attente.
    std::array<pollfd, PrisesMax + 1> surveilles{};
    if (prises.size() > PrisesMax) {
        throw ErreurPrise("poll", EINVAL);
    }
    // Le réveil d'abord : il passe avant tout, l'arrêt doit être prompt.
    std::size_t nombre = 0;
    if (reveil != nullptr) {
        surveilles[nombre++] = pollfd{static_cast<int>(reveil->Fd()), POLLIN, 0};
    }
    for (const Poignee prise : prises) {
        surveilles[nombre++] = pollfd{static_cast<int>(prise), evenement, 0};
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

Descripteur Lier(int famille, const sockaddr* adresse, socklen_t taille) {
    Descripteur prise(::socket(famille, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!prise.Valide()) {
        throw ErreurPrise("socket", errno);
    }
    const int fd = static_cast<int>(prise.Fd());
    const int oui = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &oui, sizeof oui);
    if (famille == AF_INET6) {
        // Les deux familles sur la même prise quand l'adresse est « toutes ».
        const int non = 0;
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &non, sizeof non);
    }
    if (::bind(fd, adresse, taille) != 0) {
        throw ErreurPrise("bind", errno);
    }
    if (::listen(fd, SOMAXCONN) != 0) {
        throw ErreurPrise("listen", errno);
    }
    return prise;
}

} // namespace

ErreurPrise::ErreurPrise(std::string_view appel, int code) : Erreur(Message(appel, code)), m_code(code) {}

bool ErreurPrise::CorrespondantParti() const noexcept {
    return m_code == ECONNRESET || m_code == EPIPE || m_code == ENOTCONN || m_code == ECONNABORTED ||
           m_code == ETIMEDOUT;
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
        ::close(static_cast<int>(m_fd));
        m_fd = PoigneeInvalide;
    }
}

Reveil::Reveil() {
    std::array<int, 2> tube{-1, -1};
    if (::pipe2(tube.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        throw ErreurPrise("pipe2", errno);
    }
    m_lecture = Descripteur(tube[0]);
    m_ecriture = Descripteur(tube[1]);
}

void Reveil::Declencher() noexcept {
    const char octet = 1;
    // Un tube plein est déjà déclenché.
    [[maybe_unused]] const ssize_t n = ::write(static_cast<int>(m_ecriture.Fd()), &octet, 1);
}

void Reveil::Vider() noexcept {
    std::array<char, 64> tampon{};
    while (::read(static_cast<int>(m_lecture.Fd()), tampon.data(), tampon.size()) > 0) {
    }
}

Attente AttendrePrises(std::span<const Poignee> prises, std::span<bool> pretes, const Reveil* reveil,
                       milliseconds delai) {
    return Attendre(prises, POLLIN, pretes, reveil, delai);
}

Attente AttendreEnsemble(std::span<PriseSurveillee> prises, const Reveil* reveil, milliseconds delai) {
    std::vector<pollfd> surveilles;
    surveilles.reserve(prises.size() + 1);
    if (reveil != nullptr) {
        surveilles.push_back(pollfd{static_cast<int>(reveil->Fd()), POLLIN, 0});
    }
    for (const PriseSurveillee& p : prises) {
        surveilles.push_back(
            pollfd{static_cast<int>(p.Prise), static_cast<short>(p.Ecriture ? POLLOUT : POLLIN), 0});
    }
    const Attente attente = Sonder(surveilles, reveil != nullptr, delai);
    const std::size_t premiere = reveil != nullptr ? 1 : 0;
    for (std::size_t i = 0; i < prises.size(); ++i) {
        prises[i].Prete = surveilles[premiere + i].revents != 0;
    }
    return attente;
}

Attente AttendreLecture(Poignee fd, const Reveil* reveil, milliseconds delai) {
    return AttendreUne(fd, POLLIN, reveil, delai);
}

Attente AttendreEcriture(Poignee fd, const Reveil* reveil, milliseconds delai) {
    return AttendreUne(fd, POLLOUT, reveil, delai);
}

Descripteur Ecouter(const std::string& adresse, std::uint16_t port) {
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
            // Pas d'IPv6 sur cette machine : IPv4 seul.
            if (erreur.Code() == EADDRINUSE || erreur.Code() == EACCES) {
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
    throw ErreurPrise("inet_pton", EINVAL);
}

std::uint16_t PortLocal(Poignee fd) {
    sockaddr_storage adresse{};
    socklen_t taille = sizeof adresse;
    if (::getsockname(static_cast<int>(fd), reinterpret_cast<sockaddr*>(&adresse), &taille) != 0) {
        throw ErreurPrise("getsockname", errno);
    }
    if (adresse.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&adresse)->sin6_port);
    }
    return ntohs(reinterpret_cast<const sockaddr_in*>(&adresse)->sin_port);
}

Descripteur Accepter(Poignee ecoute, bool& ressourcesEpuisees) {
    Descripteur client(::accept4(static_cast<int>(ecoute), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    ressourcesEpuisees =
        !client.Valide() && (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM);
    return client;
}

std::ptrdiff_t Envoyer(Poignee fd, std::string_view donnees) {
    for (;;) {
        const ssize_t n =
            ::send(static_cast<int>(fd), donnees.data(), donnees.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n >= 0) {
            return n;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return -1;
        }
        if (errno != EINTR) {
            throw ErreurPrise("send", errno);
        }
    }
}

std::ptrdiff_t Recevoir(Poignee fd, std::span<char> zone) {
    for (;;) {
        const ssize_t lus = ::recv(static_cast<int>(fd), zone.data(), zone.size(), 0);
        if (lus >= 0) {
            return lus;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return -1;
        }
        if (errno != EINTR) {
            throw ErreurPrise("recv", errno);
        }
    }
}

Descripteur Connecter(const std::string& hote, std::uint16_t port, milliseconds delai, const Reveil* reveil) {
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
        Descripteur prise(
            ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol));
        if (!prise.Valide()) {
            continue;
        }
        if (::connect(static_cast<int>(prise.Fd()), a->ai_addr, a->ai_addrlen) == 0) {
            return prise;
        }
        if (errno != EINPROGRESS) {
            continue;
        }
        Attente attente = Attente::Delai;
        try {
            attente = AttendreEcriture(prise.Fd(), reveil, milliseconds(Reste(fin)));
        } catch (const ErreurPrise&) {
            continue;
        }
        if (attente != Attente::Prete) {
            return {}; // délai épuisé ou arrêt demandé
        }
        int erreur = 0;
        socklen_t taille = sizeof erreur;
        if (::getsockopt(static_cast<int>(prise.Fd()), SOL_SOCKET, SO_ERROR, &erreur, &taille) == 0 &&
            erreur == 0) {
            return prise;
        }
    }
    return {};
}

} // namespace pulsodex::net
