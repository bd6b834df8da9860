#pragma once
// L'horloge du système, à l'heure locale (fuseau de l'environnement).
#include "core/plateforme/Horloge.h"

namespace pulsodex {

class HorlogeLinux final : public Horloge {
public:
    [[nodiscard]] DateHeure Maintenant() const override;
};

} // namespace pulsodex
