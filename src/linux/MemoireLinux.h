#pragma once
// État de la mémoire lu dans /proc/meminfo.
#include "core/probes/Memoire.h"
#include "linux/FichierProc.h"

namespace pulsodex {

class MemoireLinux final : public SourceMemoire {
public:
    explicit MemoireLinux(const std::string& racineProc = "/proc");
    StatutMemoire Lire() override;

private:
    FichierProc m_fichier;
    StatutMemoire m_dernier;
};

} // namespace pulsodex
