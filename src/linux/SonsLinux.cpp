// Les sons du bureau : le thème de sons freedesktop, par libcanberra quand
// elle est là.
#include "core/commun/Produit.h"
#include "core/interfaces/Presentateur.h"
#include "core/plateforme/Sons.h"

#ifdef PULSODEX_CANBERRA
#include <canberra.h>

#include <string>
#endif

namespace pulsodex {

namespace {

const char* NomSon(std::uint16_t son) {
    switch (son) {
    case SonErreur:
        return "dialog-error";
    case SonQuestion:
        return "dialog-question";
    case SonExclamation:
        return "dialog-warning";
    case SonInformation:
        return "dialog-information";
    default:
        return "bell";
    }
}

} // namespace

bool JouerSonSysteme(std::uint16_t son) noexcept {
    if (son == 0) {
        return true;
    }
#ifdef PULSODEX_CANBERRA
    static ca_context* contexte = [] {
        ca_context* c = nullptr;
        if (ca_context_create(&c) != CA_SUCCESS) {
            return static_cast<ca_context*>(nullptr);
        }
        ca_context_change_props(c, CA_PROP_APPLICATION_NAME, std::string(produit::TitreApplication).c_str(),
                                nullptr);
        return c;
    }();
    return contexte != nullptr &&
           ca_context_play(contexte, 0, CA_PROP_EVENT_ID, NomSon(son), nullptr) == CA_SUCCESS;
#else
    static_cast<void>(NomSon(son));
    return false;
#endif
}

} // namespace pulsodex
