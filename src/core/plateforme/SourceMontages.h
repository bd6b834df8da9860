#pragma once
// La table des montages (montés et prévus) que donne le système.
#include "core/probes/Montages.h"

namespace pulsodex {

// Lue sans jamais toucher un montage.
class SourceMontages {
public:
    virtual ~SourceMontages() = default;
    // Reste valable jusqu'à l'appel suivant.
    virtual const TableMontages& Table() = 0;
};

} // namespace pulsodex
