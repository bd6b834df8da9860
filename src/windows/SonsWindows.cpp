// Les sons du système : MessageBeep.
#include <windows.h>

#include "core/plateforme/Sons.h"

namespace pulsodex {

bool JouerSonSysteme(std::uint16_t son) noexcept {
    return son == 0 || ::MessageBeep(son) != 0;
}

} // namespace pulsodex
