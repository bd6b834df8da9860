#include "ui/adaptateurs/Sons.h"

#include <QApplication>

#include "core/plateforme/Sons.h"

namespace pulsodex {

void JouerSon(std::uint16_t son) {
    if (!JouerSonSysteme(son)) {
        QApplication::beep();
    }
}

} // namespace pulsodex
