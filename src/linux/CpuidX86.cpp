// Réponses de l'instruction CPUID sur x86 et x86-64.
#include <cpuid.h>

#include <algorithm>

#include "linux/IdentiteProcesseurLinux.h"

namespace pulsodex {

namespace {
void Interroger(ReponsesCpuid& reponses, std::uint32_t fonction) {
    unsigned eax = 0;
    unsigned ebx = 0;
    unsigned ecx = 0;
    unsigned edx = 0;
    __cpuid(fonction, eax, ebx, ecx, edx);
    reponses.Fonctions[fonction] = {eax, ebx, ecx, edx};
}

// La fonction « base » de la plage, puis les suivantes jusqu'à « derniere »
// quand le processeur les annonce.
void InterrogerPlage(ReponsesCpuid& reponses, std::uint32_t base, std::uint32_t derniere) {
    Interroger(reponses, base);
    const std::uint32_t max = reponses.Lire(base).Eax;
    if (!FonctionOfferte(max, base, base)) {
        return;
    }
    for (std::uint32_t f = base + 1; f <= std::min(max, derniere); ++f) {
        Interroger(reponses, f);
    }
}
} // namespace

ReponsesCpuid LireReponsesCpuid() {
    ReponsesCpuid reponses;
    // Rend 0 quand l'instruction manque (premiers 486).
    const unsigned maxBase = __get_cpuid_max(0, nullptr);
    if (maxBase == 0) {
        return reponses;
    }
    reponses.Disponible = true;
    for (std::uint32_t f = 0; f <= std::min(maxBase, 2U); ++f) {
        Interroger(reponses, f);
    }
    InterrogerPlage(reponses, FonctionsEtendues, 0x80000004U);
    if (FicheDe(TexteFabricant(reponses)).Numero == Fabricant::Transmeta) {
        InterrogerPlage(reponses, FonctionsTransmeta, 0x80860006U);
    }
    return reponses;
}

} // namespace pulsodex
