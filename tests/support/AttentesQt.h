#pragma once
// Attentes bornées qui font tourner la boucle d'événements de Qt.
#include <QApplication>

#include "Attentes.h"

namespace pulsodex::test {

// Répète `condition` jusqu'au délai ; entre deux essais, traite les
// événements en attente (au plus 20 ms à chaque fois).
inline bool AttendreEnTraitantLesEvenements(const std::function<bool()>& condition,
                                            std::chrono::milliseconds delai) {
    return AttendreQue(condition, delai, [] { QApplication::processEvents(QEventLoop::AllEvents, 20); });
}

} // namespace pulsodex::test
