#include "linux/SignauxArret.h"

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace pulsodex {

namespace {
// Paire de prises : le gestionnaire de signal écrit, la boucle lit.
std::array<int, 2> g_paire{-1, -1};

void GestionnaireSignal(int) {
    const char octet = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_paire[0], &octet, 1);
}
} // namespace

std::intptr_t SurveillerSignauxArret() {
    if (g_paire[1] >= 0) {
        return g_paire[1];
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_paire.data()) != 0) {
        g_paire = {-1, -1};
        return -1;
    }
    struct sigaction action {};
    action.sa_handler = GestionnaireSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    return g_paire[1];
}

void AcquitterSignauxArret() {
    std::array<char, 16> tampon{};
    while (g_paire[1] >= 0 && ::read(g_paire[1], tampon.data(), tampon.size()) > 0) {
    }
}

} // namespace pulsodex
