#pragma once
// Le périphérique bloc d'un montage, s'il en a un (disque amovible ou non), et
// le genre du lecteur qu'il fait.
#include <optional>
#include <string>

#include "core/probes/GenresDisques.h"
#include "core/probes/Montages.h"

namespace pulsodex {

class InfosBlocs {
public:
    virtual ~InfosBlocs() = default;
    [[nodiscard]] virtual std::optional<PeripheriqueBloc> Chercher(const Montage& m) const = 0;
    // Le libellé de GetDriveType32 pour ce montage et son périphérique : par
    // défaut, d'après le type de son système de fichiers (GenresDisques.h) ;
    // le système qui sait le genre de ses lecteurs le dit lui-même.
    [[nodiscard]] virtual std::string Genre(const Montage& m,
                                            const std::optional<PeripheriqueBloc>& bloc) const {
        return GenreMontage(m, bloc);
    }
};

} // namespace pulsodex
