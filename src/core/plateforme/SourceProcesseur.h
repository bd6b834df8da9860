#pragma once
// L'identité des processeurs : les réponses de l'instruction CPUID, ou ce que
// le système dit du processeur là où CPUID manque.
#include <cstdint>
#include <string>

#include "core/probes/IdentificationProcesseur.h"

namespace pulsodex {

class SourceProcesseur {
public:
    virtual ~SourceProcesseur() = default;
    // Réponses de CPUID ; Disponible faux sans l'instruction.
    [[nodiscard]] virtual ReponsesCpuid Reponses(std::uint8_t processeur) const = 0;
    // Nom donné par le système (peut être vide).
    [[nodiscard]] virtual std::string NomSysteme(std::uint8_t processeur) const = 0;
};

} // namespace pulsodex
