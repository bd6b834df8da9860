#pragma once
// Réponses CPUID fabriquées pour les tests de l'identification des processeurs.
#include <cstdint>
#include <string>

#include "core/probes/TCpuInfo.h"

namespace pulsodex::test {

// Quatre caractères rangés dans un registre, octet bas d'abord.
inline std::uint32_t Mot(const char* quatre) {
    std::uint32_t mot = 0;
    for (unsigned i = 0; i < 4; ++i) {
        mot |= static_cast<std::uint32_t>(static_cast<unsigned char>(quatre[i])) << (8U * i);
    }
    return mot;
}

// Des réponses de processeur : fabricant (douze caractères), EAX et EBX de la
// fonction 1, descripteurs de cache de la fonction 2.
inline ReponsesCpuid ReponsesDe(const char* fabricant, std::uint32_t eax1, std::uint32_t ebx1 = 0,
                                std::uint32_t descripteurs = 0x00000001) {
    ReponsesCpuid r;
    r.Disponible = true;
    r.Fonctions[0] = {2, Mot(fabricant), Mot(fabricant + 8), Mot(fabricant + 4)};
    r.Fonctions[1] = {eax1, ebx1, 0, 0};
    r.Fonctions[2] = {descripteurs, 0, 0, 0};
    return r;
}

// Réponses fixes, pour suivre TCpuInfo sans processeur réel.
class SourceFixe : public SourceProcesseur {
public:
    ReponsesCpuid Cpuid;
    std::string Systeme;
    [[nodiscard]] ReponsesCpuid Reponses(std::uint8_t) const override { return Cpuid; }
    [[nodiscard]] std::string NomSysteme(std::uint8_t) const override { return Systeme; }
};

} // namespace pulsodex::test
