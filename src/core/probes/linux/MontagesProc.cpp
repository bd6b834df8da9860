#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <fstream>
#include <sstream>

#include "probes/linux/DisquesLinux.h"

namespace pulsodex {

MontagesProc::MontagesProc(std::string mountinfo, std::string fstab)
    : m_cheminMountinfo(std::move(mountinfo)), m_cheminFstab(std::move(fstab)) {}

MontagesProc::~MontagesProc() {
    if (m_descripteur >= 0) {
        ::close(m_descripteur);
    }
}

bool MontagesProc::AChange() {
    if (m_descripteur < 0) {
        m_descripteur = ::open(m_cheminMountinfo.c_str(), O_RDONLY | O_CLOEXEC);
        return true;
    }
    if (!m_lue) {
        return true;
    }
    // Le noyau signale POLLPRI | POLLERR quand la table a changé depuis la dernière lecture.
    pollfd attente{m_descripteur, POLLPRI, 0};
    return ::poll(&attente, 1, 0) > 0 && (attente.revents & (POLLPRI | POLLERR)) != 0;
}

const TableMontages& MontagesProc::Table() {
    if (!AChange()) {
        return m_table;
    }
    std::string texte;
    if (m_descripteur >= 0 && ::lseek(m_descripteur, 0, SEEK_SET) == 0) {
        std::array<char, 8192> tampon{};
        for (;;) {
            const ssize_t lus = ::read(m_descripteur, tampon.data(), tampon.size());
            if (lus < 0 && errno == EINTR) {
                continue;
            }
            if (lus <= 0) {
                break;
            }
            texte.append(tampon.data(), static_cast<std::size_t>(lus));
        }
        m_lue = true;
    }
    m_table.Montes = LireMountinfo(texte);
    std::ifstream fstab(m_cheminFstab);
    std::ostringstream contenu;
    if (fstab) {
        contenu << fstab.rdbuf();
    }
    m_table.Prevus = LireFstab(contenu.str());
    ++m_table.Version;
    return m_table;
}

} // namespace pulsodex
