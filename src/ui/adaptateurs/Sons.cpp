#include "ui/adaptateurs/Sons.h"

#include <QApplication>

#include "core/commun/Produit.h"
#include "core/interfaces/Presentateur.h"

#ifdef PULSODEX_CANBERRA
#include <canberra.h>
#endif

namespace pulsodex {

namespace {

const char* NomSon(std::uint16_t son) {
    switch (son) {
    case 0:
        return nullptr;
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

void JouerSon(std::uint16_t son) {
    const char* nom = NomSon(son);
    if (nom == nullptr) {
        return;
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
    if (contexte != nullptr && ca_context_play(contexte, 0, CA_PROP_EVENT_ID, nom, nullptr) == CA_SUCCESS) {
        return;
    }
#endif
    QApplication::beep();
}

} // namespace pulsodex
