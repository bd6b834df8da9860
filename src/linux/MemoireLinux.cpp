#include "linux/MemoireLinux.h"

namespace pulsodex {

MemoireLinux::MemoireLinux(const std::string& racineProc) : m_fichier(racineProc + "/meminfo") {}

StatutMemoire MemoireLinux::Lire() {
    if (auto statut = LireMeminfo(m_fichier.Relire())) {
        m_dernier = *statut;
    }
    return m_dernier;
}

} // namespace pulsodex
