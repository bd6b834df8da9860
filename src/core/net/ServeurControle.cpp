#include "core/net/ServeurControle.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace pulsodex::net {

namespace {

using std::chrono::milliseconds;

Descripteur Lier(int famille, const sockaddr* adresse, socklen_t taille) {
    Descripteur prise(::socket(famille, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!prise.Valide()) {
        throw ErreurPrise("socket", errno);
    }
    const int oui = 1;
    ::setsockopt(prise.Fd(), SOL_SOCKET, SO_REUSEADDR, &oui, sizeof oui);
    if (famille == AF_INET6) {
        // Les deux familles sur la même prise quand l'adresse est « toutes ».
        const int non = 0;
        ::setsockopt(prise.Fd(), IPPROTO_IPV6, IPV6_V6ONLY, &non, sizeof non);
    }
    if (::bind(prise.Fd(), adresse, taille) != 0) {
        throw ErreurPrise("bind", errno);
    }
    if (::listen(prise.Fd(), SOMAXCONN) != 0) {
        throw ErreurPrise("listen", errno);
    }
    return prise;
}

Descripteur OuvrirEcoute(const std::string& adresse, std::uint16_t port) {
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

std::uint16_t PortLocal(int fd) {
    sockaddr_storage adresse{};
    socklen_t taille = sizeof adresse;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&adresse), &taille) != 0) {
        throw ErreurPrise("getsockname", errno);
    }
    if (adresse.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&adresse)->sin6_port);
    }
    return ntohs(reinterpret_cast<const sockaddr_in*>(&adresse)->sin_port);
}

} // namespace

ServeurControle::ServeurControle(ParametresServeur parametres, RappelsServeur rappels)
    : m_parametres(std::move(parametres)), m_rappels(std::move(rappels)) {}

ServeurControle::~ServeurControle() {
    Desactiver();
}

void ServeurControle::Activer() {
    if (Actif()) {
        return;
    }
    Descripteur ecoute = OuvrirEcoute(m_parametres.Adresse, m_parametres.Port);
    const std::uint16_t port = PortLocal(ecoute.Fd());
    m_ecoute = std::move(ecoute);
    m_port = port;
    try {
        m_filEcoute = std::thread(&ServeurControle::Ecouter, this);
    } catch (...) {
        m_ecoute.Fermer();
        m_port = 0;
        throw;
    }
}

void ServeurControle::Desactiver() {
    if (!Actif()) {
        return;
    }
    m_arret.request_stop();
    m_reveil.Declencher();
    m_filEcoute.join();
    m_ecoute.Fermer(); // les nouveaux clients sont refusés dès maintenant
    for (auto& connexion : m_liste) {
        connexion->Fil.join();
    }
    m_liste.clear();
    m_port = 0;
    m_reveil.Vider();
    m_fins.Vider();
    m_arret = std::stop_source{};
}

bool ServeurControle::AttendreConnexions(std::size_t n, milliseconds delai) {
    std::unique_lock verrou(m_mutex);
    return m_changement.wait_for(verrou, delai, [&] { return m_connexions.load() == n; });
}

void ServeurControle::Ecouter() {
    for (;;) {
        std::array<pollfd, 3> surveilles{pollfd{m_ecoute.Fd(), POLLIN, 0}, pollfd{m_reveil.Fd(), POLLIN, 0},
                                         pollfd{m_fins.Fd(), POLLIN, 0}};
        if (::poll(surveilles.data(), surveilles.size(), -1) < 0) {
            if (errno != EINTR &&
                AttendreLecture(m_reveil.Fd(), nullptr, milliseconds(100)) == Attente::Prete) {
                return;
            }
            continue;
        }
        if (surveilles[1].revents != 0) {
            return;
        }
        if (surveilles[2].revents != 0) {
            m_fins.Vider();
            Recolter();
        }
        if (surveilles[0].revents != 0) {
            Accepter();
        }
    }
}

void ServeurControle::Accepter() {
    Descripteur client(::accept4(m_ecoute.Fd(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (!client.Valide()) {
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            // Le client reste en file d'attente : on laisse passer un moment
            // plutôt que de tourner à vide (le réveil reste prioritaire).
            AttendreLecture(m_reveil.Fd(), nullptr, milliseconds(100));
        }
        return;
    }
    if (m_connexions.load() >= m_parametres.ClientsMax) {
        return; // fermée aussitôt, sans salutation
    }
    m_liste.push_back(std::make_unique<Connexion>());
    Connexion& connexion = *m_liste.back();
    connexion.Client = std::move(client);
    {
        const std::lock_guard verrou(m_mutex);
        ++m_connexions;
    }
    m_changement.notify_all();
    try {
        connexion.Fil = std::thread(&ServeurControle::Servir, this, std::ref(connexion));
    } catch (const std::system_error&) {
        Terminee(connexion);
        m_liste.pop_back();
    }
}

void ServeurControle::Recolter() {
    for (auto it = m_liste.begin(); it != m_liste.end();) {
        if ((*it)->Finie.load()) {
            (*it)->Fil.join();
            it = m_liste.erase(it);
        } else {
            ++it;
        }
    }
}

void ServeurControle::Servir(Connexion& connexion) {
    std::string panne;
    try {
        Boucle(connexion.Client.Fd());
    } catch (const ErreurPrise& erreur) {
        // Un client parti n'est pas une panne : c'est une fin de connexion.
        if (!erreur.CorrespondantParti()) {
            panne = erreur.what();
        }
    } catch (const std::exception& erreur) {
        panne = erreur.what();
    }
    if (!panne.empty() && m_rappels.Signaler) {
        try {
            m_rappels.Signaler(panne, m_arret.get_token());
        } catch (...) { // NOLINT(bugprone-empty-catch) : rien de plus à faire sur ce fil
        }
    }
    Terminee(connexion);
}

void ServeurControle::Terminee(Connexion& connexion) {
    {
        const std::lock_guard verrou(m_mutex);
        --m_connexions;
    }
    m_changement.notify_all();
    // Compté avant d'être fermé : quand le client voit la fin, la place est libre.
    connexion.Client.Fermer();
    connexion.Finie = true;
    m_fins.Declencher();
}

void ServeurControle::Boucle(int fd) {
    const std::stop_token arret = m_arret.get_token();
    const milliseconds silence = m_parametres.Silence;
    if (!EnvoyerTout(fd, Salutation, &m_reveil, silence)) {
        return;
    }
    std::array<char, TailleLecture> zone{};
    while (!arret.stop_requested()) {
        const Attente attente = AttendreLecture(fd, &m_reveil, silence);
        if (attente == Attente::Reveil) {
            return;
        }
        ssize_t lus = 0;
        if (attente == Attente::Prete) {
            lus = ::recv(fd, zone.data(), zone.size(), 0);
            if (lus < 0) {
                if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
                    continue;
                }
                throw ErreurPrise("recv", errno);
            }
        }
        if (lus == 0) {
            // Silence, ou client parti : ce texte n'atteint qu'un client encore là.
            try {
                EnvoyerTout(fd, ReponseSilence, &m_reveil, silence);
            } catch (const ErreurPrise&) { // NOLINT(bugprone-empty-catch) : la connexion se ferme
            }
            return;
        }
        const ActionCommande action = TraiterLecture({zone.data(), static_cast<std::size_t>(lus)});
        if (!action.Reponse.empty() && !EnvoyerTout(fd, action.Reponse, &m_reveil, silence)) {
            return;
        }
        if (action.Fermer) {
            return;
        }
        if (action.Message && m_rappels.Montrer) {
            m_rappels.Montrer(*action.Message, arret);
        }
    }
}

} // namespace pulsodex::net
