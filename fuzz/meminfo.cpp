// /proc/meminfo : n'importe quel texte donne un relevé cohérent ou rien.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Verifier.h"
#include "core/probes/Memoire.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const auto statut = pulsodex::LireMeminfo(texte);
    if (statut) {
        VERIFIER(statut->TotalPhys > 0);
        VERIFIER(statut->AvailPhys >= 0 && statut->AvailPhys <= statut->TotalPhys);
        VERIFIER(statut->TotalPageFile >= statut->TotalPhys);
        VERIFIER(statut->AvailPageFile >= statut->AvailPhys);
        VERIFIER(statut->AvailPageFile <= statut->TotalPageFile);
        VERIFIER(statut->MemoryLoad <= 100);
    }
    return 0;
}
