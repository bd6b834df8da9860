#include "core/app/Affichage.h"

namespace pulsodex {

std::string PlateformeImposee(const EnvironnementAffichage& env, bool capture) {
    if (!env.Plateforme.empty()) {
        return {};
    }
    if (!env.Wayland.empty()) {
        return env.X11.empty() ? "wayland" : "xcb";
    }
    if (env.X11.empty() && capture) {
        return "offscreen";
    }
    return {};
}

} // namespace pulsodex
