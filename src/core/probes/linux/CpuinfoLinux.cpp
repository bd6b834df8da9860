// Nom du processeur selon Linux : /proc/cpuinfo, sinon le nom de la machine.
#include <sys/utsname.h>

#include "core/probes/Cpuinfo.h"
#include "core/probes/TCpuInfo.h"
#include "core/probes/linux/FichierProc.h"

namespace pulsodex {

std::string LireNomProcesseurSysteme(std::uint8_t processeur) {
    FichierProc cpuinfo("/proc/cpuinfo", 65536);
    std::string nom = NomDansCpuinfo(cpuinfo.Relire(), processeur);
    if (!nom.empty()) {
        return nom;
    }
    utsname systeme{};
    if (uname(&systeme) == 0) {
        return systeme.machine;
    }
    return {};
}

} // namespace pulsodex
