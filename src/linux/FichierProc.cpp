#include "linux/FichierProc.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace pulsodex {

FichierProc::FichierProc(std::string chemin, std::size_t tailleInitiale)
    : m_chemin(std::move(chemin)), m_tampon(tailleInitiale) {}

FichierProc::~FichierProc() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::string_view FichierProc::Relire(std::size_t limite) {
    if (m_fd < 0) {
        m_fd = ::open(m_chemin.c_str(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0) {
            return {};
        }
    }
    std::size_t lu = 0;
    for (;;) {
        if (lu == m_tampon.size()) {
            if (limite > 0 && lu >= limite) {
                break;
            }
            m_tampon.resize(m_tampon.size() * 2);
        }
        const ssize_t n = ::pread(m_fd, m_tampon.data() + lu, m_tampon.size() - lu, static_cast<off_t>(lu));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            // Descripteur devenu invalide : on rouvrira au prochain relevé.
            ::close(m_fd);
            m_fd = -1;
            return {};
        }
        if (n == 0) {
            break;
        }
        lu += static_cast<std::size_t>(n);
        if (limite > 0 && lu >= limite) {
            break;
        }
    }
    return {m_tampon.data(), lu};
}

bool FichierProc::AChange() {
    if (m_fd < 0) {
        return true;
    }
    pollfd attente{m_fd, POLLPRI, 0};
    return ::poll(&attente, 1, 0) > 0 && (attente.revents & (POLLPRI | POLLERR)) != 0;
}

} // namespace pulsodex
