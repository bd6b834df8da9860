#pragma once
// Le périphérique bloc d'un montage, s'il en a un (disque amovible ou non).
#include <optional>

#include "core/probes/GenresDisques.h"
#include "core/probes/Montages.h"

namespace pulsodex {

class InfosBlocs {
public:
    virtual ~InfosBlocs() = default;
    [[nodiscard]] virtual std::optional<PeripheriqueBloc> Chercher(const Montage& m) const = 0;
};

} // namespace pulsodex
