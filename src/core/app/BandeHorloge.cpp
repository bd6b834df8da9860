#include "core/app/BandeHorloge.h"

#include "core/config/TConfig.h"

namespace pulsodex {

std::string MotifHorloge(const TConfig& c) {
    if (!c.Date) {
        return c.ChaineHeure;
    }
    if (!c.Heure) {
        return c.ChaineDate;
    }
    return c.ChaineDate + " - " + c.ChaineHeure;
}

int ProchainIntervalle(ModeRafraichissementHorloge modeHorloge, int secondes) {
    if (modeHorloge != ModeRafraichissementHorloge::Minute) {
        return 1000;
    }
    return 60000 - 1000 * secondes;
}

} // namespace pulsodex
