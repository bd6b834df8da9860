#include "linux/HorlogeLinux.h"

#include <chrono>
#include <ctime>

namespace pulsodex {

DateHeure HorlogeLinux::Maintenant() const {
    using namespace std::chrono;
    const auto maintenant = system_clock::now();
    const std::time_t secondes = system_clock::to_time_t(maintenant);
    std::tm local{};
    localtime_r(&secondes, &local);
    DateHeure m;
    m.Annee = local.tm_year + 1900;
    m.Mois = local.tm_mon + 1;
    m.Jour = local.tm_mday;
    m.JourSemaine = local.tm_wday + 1;
    m.Heure = local.tm_hour;
    m.Minute = local.tm_min;
    m.Seconde = local.tm_sec;
    m.Milliseconde =
        static_cast<int>(duration_cast<milliseconds>(maintenant.time_since_epoch()).count() % 1000);
    return m;
}

} // namespace pulsodex
