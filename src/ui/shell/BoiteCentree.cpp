#include "ui/shell/BoiteCentree.h"

#include <QGuiApplication>
#include <QScreen>

namespace pulsodex {

void BoiteCentree::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    // L'écran de la fenêtre qui l'ouvre (avec plusieurs écrans, celui où est la barre).
    const QScreen* ecran = parentWidget() != nullptr ? parentWidget()->window()->screen() : screen();
    if (ecran == nullptr) {
        ecran = QGuiApplication::primaryScreen();
    }
    if (ecran != nullptr) {
        QRect place = frameGeometry();
        place.moveCenter(ecran->availableGeometry().center());
        move(place.topLeft());
    }
}

} // namespace pulsodex
