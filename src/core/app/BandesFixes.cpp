#include "core/app/BandesFixes.h"

#include "core/config/TConfig.h"

namespace pulsodex {

bool BandeFixeVisible(int cle, const TConfig& c) {
    switch (cle) {
    case -1:
        return c.Date || c.Heure;
    case -2:
        return c.Mem;
    case -3:
        return c.MemPhysique;
    case -4:
        return c.MemoryLoad;
    case -5:
        return c.ChargeProcesseur;
    case -6:
        return c.MoyenneChargeProcesseur;
    default:
        return false;
    }
}

bool BandeEchantillonnee(const TConfig& c) {
    return c.Mem || c.MemPhysique || c.MemoryLoad || c.ChargeProcesseur || c.MoyenneChargeProcesseur ||
           c.DisqueListe || c.PublierMesures;
}

std::vector<int> ClesDesBandes(int nombreDisques) {
    std::vector<int> cles;
    for (int cle = -1; cle >= -static_cast<int>(BandesFixes.size()); --cle) {
        cles.push_back(cle);
    }
    for (int emplacement = 1; emplacement <= nombreDisques; ++emplacement) {
        cles.push_back(emplacement);
    }
    return cles;
}

std::vector<int> ClesCanoniques(int nombreDisques, const TConfig& config) {
    std::vector<int> cles = ClesDesBandes(nombreDisques);
    std::erase_if(cles, [&config](int cle) { return cle < 0 && !BandeFixeVisible(cle, config); });
    return cles;
}

} // namespace pulsodex
