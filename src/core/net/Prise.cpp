#include "core/net/Prise.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <memory>

namespace pulsodex::net {

namespace {

using Horloge = std::chrono::steady_clock;
using std::chrono::milliseconds;

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

Attente Attendre(int fd, short evenement, const Reveil* reveil, milliseconds delai) {
    const auto fin = Horloge::now() + delai;
    for (;;) {
        std::array<pollfd, 2> surveilles{pollfd{fd, evenement, 0},
                                         pollfd{reveil != nullptr ? reveil->Fd() : -1, POLLIN, 0}};
        const int n = ::poll(surveilles.data(), reveil != nullptr ? 2 : 1, Reste(fin));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw ErreurPrise("poll", errno);
        }
        // Le réveil passe avant tout : l'arrêt doit être prompt.
        if (surveilles[1].revents != 0) {
            return Attente::Reveil;
        }
        // Erreur ou raccrochage comptent comme prêts : l'appel suivant le dira.
        if (surveilles[0].revents != 0) {
            return Attente::Prete;
        }
        if (n == 0) {
            return Attente::Delai;
        }
    }
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
        m_fd = std::exchange(autre.m_fd, -1);
    }
    return *this;
}

void Descripteur::Fermer() noexcept {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
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
    [[maybe_unused]] const ssize_t n = ::write(m_ecriture.Fd(), &octet, 1);
}

void Reveil::Vider() noexcept {
    std::array<char, 64> tampon{};
    while (::read(m_lecture.Fd(), tampon.data(), tampon.size()) > 0) {
    }
}

Attente AttendreLecture(int fd, const Reveil* reveil, milliseconds delai) {
    return Attendre(fd, POLLIN, reveil, delai);
}

Attente AttendreEcriture(int fd, const Reveil* reveil, milliseconds delai) {
    return Attendre(fd, POLLOUT, reveil, delai);
}

bool EnvoyerTout(int fd, std::string_view donnees, const Reveil* reveil, milliseconds delai) {
    const auto fin = Horloge::now() + delai;
    while (!donnees.empty()) {
        const ssize_t n = ::send(fd, donnees.data(), donnees.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n >= 0) {
            donnees.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            throw ErreurPrise("send", errno);
        }
        if (AttendreEcriture(fd, reveil, milliseconds(Reste(fin))) != Attente::Prete) {
            return false;
        }
    }
    return true;
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
        if (::connect(prise.Fd(), a->ai_addr, a->ai_addrlen) == 0) {
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
        if (::getsockopt(prise.Fd(), SOL_SOCKET, SO_ERROR, &erreur, &taille) == 0 && erreur == 0) {
            return prise;
        }
    }
    return {};
}

} // namespace pulsodex::net
