#include "windows/DemarrageRun.h"

#include "windows/Cle.h"
#include "windows/Utf16.h"

namespace pulsodex {

namespace {

HKEY Ruche(PorteeDemarrage portee) {
    return portee == PorteeDemarrage::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

} // namespace

std::optional<std::string> DemarrageRun::Lire(PorteeDemarrage portee, std::string_view nom) const {
    return Cle(Ruche(portee), CleRun, false, KEY_READ).LireTexte(Large(nom));
}

bool DemarrageRun::Ecrire(PorteeDemarrage portee, std::string_view nom, std::string_view commande) {
    // Sans droit d'écrire sous la machine, la clé ne s'ouvre pas : ignorée.
    Cle cle(Ruche(portee), CleRun, true);
    return cle.Ouverte() && cle.EcrireTexte(Large(nom), std::string(commande)) == ERROR_SUCCESS;
}

bool DemarrageRun::Effacer(PorteeDemarrage portee, std::string_view nom) {
    const Cle cle(Ruche(portee), CleRun, false);
    if (!cle.Ouverte()) {
        return false;
    }
    const LSTATUS code = ::RegDeleteValueW(cle.Poignee(), Large(nom).c_str());
    return code == ERROR_SUCCESS || code == ERROR_FILE_NOT_FOUND;
}

} // namespace pulsodex
