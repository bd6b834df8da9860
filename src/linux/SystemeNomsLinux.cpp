#include "linux/SystemeNomsLinux.h"

#include <sys/utsname.h>

#include "core/commun/Fichiers.h"
#include "core/commun/Trace.h"

namespace pulsodex {

VersionLinux LireVersionLinux() {
    VersionLinux v;
    utsname nom{};
    if (uname(&nom) == 0) {
        v.Distribution = nom.sysname;
        v.Noyau = nom.release;
        v.Compilation = nom.version;
    } else {
        v.Distribution = "Linux";
    }
    for (const char* chemin : {"/etc/os-release", "/usr/lib/os-release"}) {
        const std::optional<std::string> contenu = LireFichier(chemin);
        if (!contenu) {
            continue;
        }
        if (auto distribution = NomDistribution(*contenu)) {
            v.Distribution = *distribution;
            break;
        }
    }
    return v;
}

std::string WinVer() {
    TraceProcedure trace("WinVer");
    try {
        return WinVerLinux(LireVersionLinux());
    } catch (...) {
        // Appelée par le journal des erreurs : ne doit pas échouer elle-même.
        return "Linux";
    }
}

} // namespace pulsodex
