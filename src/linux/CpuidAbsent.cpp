// Hors x86 : pas d'instruction CPUID, le nom vient du système.
#include "linux/IdentiteProcesseurLinux.h"

namespace pulsodex {

ReponsesCpuid LireReponsesCpuid() {
    return {};
}

} // namespace pulsodex
