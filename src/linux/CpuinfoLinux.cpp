// Nom du processeur selon Linux : /proc/cpuinfo, sinon le nom de la machine.
#include <sys/utsname.h>

#include "core/probes/Cpuinfo.h"
#include "linux/FichierProc.h"
#include "linux/IdentiteProcesseurLinux.h"

namespace pulsodex {

ReponsesCpuid SourceProcesseurLinux::Reponses(std::uint8_t /*processeur*/) const {
    // Tous les cœurs d'une machine portent le même nom : la question est posée
    // au processeur qui exécute l'appel.
    return LireReponsesCpuid();
}

std::string SourceProcesseurLinux::NomSysteme(std::uint8_t processeur) const {
    return LireNomProcesseurSysteme(processeur);
}

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
