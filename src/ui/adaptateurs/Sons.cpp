#include "Sons.h"

#include <QApplication>

#ifdef PULSODEX_CANBERRA
#include <canberra.h>
#endif

namespace pulsodex {

const char* NomSon(std::uint16_t son) {
    switch (son) {
    case 0:
        return nullptr;
    case 0x10:
        return "dialog-error";
    case 0x20:
        return "dialog-question";
    case 0x30:
        return "dialog-warning";
    case 0x40:
        return "dialog-information";
    default:
        return "bell";
    }
}

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
        ca_context_change_props(c, CA_PROP_APPLICATION_NAME, "Pulsodex XP", nullptr);
        return c;
    }();
    if (contexte != nullptr && ca_context_play(contexte, 0, CA_PROP_EVENT_ID, nom, nullptr) == CA_SUCCESS) {
        return;
    }
#endif
    QApplication::beep();
}

} // namespace pulsodex
