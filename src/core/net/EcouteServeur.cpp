#include "core/net/EcouteServeur.h"

namespace pulsodex::net {

void OuvrirEcoute(const std::string& adresse, std::uint16_t port, Descripteur& ecoute,
                  std::uint16_t& portLocal, std::thread& fil, const std::function<void()>& corps) {
    Descripteur prise = Ecouter(adresse, port);
    const std::uint16_t local = PortLocal(prise.Fd());
    ecoute = std::move(prise);
    portLocal = local;
    try {
        fil = std::thread(corps);
    } catch (...) {
        ecoute.Fermer();
        portLocal = 0;
        throw;
    }
}

} // namespace pulsodex::net
