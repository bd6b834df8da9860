#pragma once
// Identité des processeurs sous Linux : l'instruction CPUID sur x86, et le nom
// que donne /proc/cpuinfo.
#include <cstdint>
#include <string>

#include "core/plateforme/SourceProcesseur.h"

namespace pulsodex {

// La machine qui fait tourner le programme.
class SourceProcesseurLinux final : public SourceProcesseur {
public:
    [[nodiscard]] ReponsesCpuid Reponses(std::uint8_t processeur) const override;
    [[nodiscard]] std::string NomSysteme(std::uint8_t processeur) const override;
};

// Réponses lues sur le processeur qui exécute l'appel (x86), ou aucune.
ReponsesCpuid LireReponsesCpuid();
// Nom du processeur n selon /proc/cpuinfo, sinon le nom de la machine, ou vide.
std::string LireNomProcesseurSysteme(std::uint8_t processeur);

} // namespace pulsodex
