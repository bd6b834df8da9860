#include "core/commun/Fichiers.h"
#include "linux/DisquesLinux.h"

namespace pulsodex {

MontagesProc::MontagesProc(std::string mountinfo, std::string fstab)
    : m_mountinfo(std::move(mountinfo), 16384), m_cheminFstab(std::move(fstab)) {}

const TableMontages& MontagesProc::Table() {
    // Le noyau signale tout montage ou démontage : sans signal, rien à relire.
    if (m_lue && !m_mountinfo.AChange()) {
        return m_table;
    }
    m_table.Montes = LireMountinfo(m_mountinfo.Relire());
    m_lue = true;
    // fstab est relu avec la table : il change rarement, et jamais sans qu'on monte.
    m_table.Prevus = LireFstab(LireFichier(m_cheminFstab).value_or(""));
    ++m_table.Version;
    return m_table;
}

} // namespace pulsodex
