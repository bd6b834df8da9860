#pragma once
// Les relevés de Windows : la mémoire (GlobalMemoryStatusEx), les temps des
// processeurs (un par processeur, puis GetSystemTimes pour l'ensemble, en
// dernier), l'heure locale (GetLocalTime), le nom du système (RtlGetVersion).
#include <string>
#include <vector>

#include "core/plateforme/Horloge.h"
#include "core/plateforme/SourceCpu.h"
#include "core/plateforme/SourceMemoire.h"
#include "core/probes/SystemeNoms.h"

namespace pulsodex {

class MemoireWindows final : public SourceMemoire {
public:
    StatutMemoire Lire() override;

private:
    StatutMemoire m_dernier;
};

// Compteurs en centaines de nanosecondes ; le temps noyau compte l'inactivité.
class ProcesseurWindows final : public SourceCpu {
public:
    bool Lire(std::vector<CompteursCpu>& instances) override;
};

class HorlogeWindows final : public Horloge {
public:
    [[nodiscard]] DateHeure Maintenant() const override;
};

// La version réelle (RtlGetVersion ne ment pas selon le manifeste).
VersionWindows LireVersionWindows();

} // namespace pulsodex
