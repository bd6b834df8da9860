#pragma once
// Compteurs du processeur lus dans /proc/stat.
#include "core/probes/Processeur.h"
#include "linux/FichierProc.h"

namespace pulsodex {

class ProcesseurLinux final : public SourceCpu {
public:
    explicit ProcesseurLinux(const std::string& racineProc = "/proc");
    bool Lire(std::vector<CompteursCpu>& instances) override;

private:
    FichierProc m_fichier;
};

} // namespace pulsodex
