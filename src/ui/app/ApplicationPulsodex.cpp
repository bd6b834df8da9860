#include "ui/app/ApplicationPulsodex.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <exception>

#include "ui/app/TraductionsQt.h"

namespace pulsodex {

namespace {
// Paire de sockets : le gestionnaire de signal écrit, la boucle Qt lit.
std::array<int, 2> g_paire{-1, -1};

void GestionnaireSignal(int) {
    const char octet = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_paire[0], &octet, 1);
}
} // namespace

ApplicationPulsodex::ApplicationPulsodex(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Pulsodex XP"));
    setQuitOnLastWindowClosed(false);
    ChargerTraductionsQt(*this);
}

bool ApplicationPulsodex::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& erreur) {
        if (TraiteErreur) {
            TraiteErreur(erreur.what());
        }
    } catch (...) {
        if (TraiteErreur) {
            TraiteErreur("Exception inconnue");
        }
    }
    return false;
}

void ApplicationPulsodex::InstallerSignauxArret(std::function<void()> fermer) {
    m_fermer = std::move(fermer);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_paire.data()) != 0) {
        return;
    }
    auto* notificateur = new QSocketNotifier(g_paire[1], QSocketNotifier::Read, this);
    connect(notificateur, &QSocketNotifier::activated, this, &ApplicationPulsodex::Signale);
    struct sigaction action {};
    action.sa_handler = GestionnaireSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void ApplicationPulsodex::Signale() {
    std::array<char, 16> tampon{};
    while (::read(g_paire[1], tampon.data(), tampon.size()) > 0) {
    }
    if (m_fermer) {
        m_fermer();
    }
}

} // namespace pulsodex
