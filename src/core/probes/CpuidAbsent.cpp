// Hors x86 : pas d'instruction CPUID, le nom vient du système.
#include "core/probes/TCpuInfo.h"

namespace pulsodex {

ReponsesCpuid LireReponsesCpuid() {
    return {};
}

} // namespace pulsodex
