#include "ui/app/Sablier.h"

#include <QApplication>
#include <QCursor>

namespace pulsodex {

void Sablier::Poser(bool actif) {
    if (actif == m_pose) {
        return;
    }
    if (actif) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    m_pose = actif;
}

} // namespace pulsodex
