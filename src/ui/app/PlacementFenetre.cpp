#include "ui/app/PlacementFenetre.h"

#include <QResizeEvent>
#include <QWidget>
#include <QWindow>

#include "core/app/GeometrieFenetre.h"

namespace pulsodex {

PlacementFenetre::PlacementFenetre(QWidget& fenetre, std::function<void()> finie)
    : QObject(&fenetre), m_fenetre(fenetre), m_finie(std::move(finie)) {}

void PlacementFenetre::Commencer() {
    if (QWindow* fenetre = m_fenetre.windowHandle(); fenetre != nullptr && !fenetre->isExposed()) {
        fenetre->installEventFilter(this);
        m_enCours = true;
    }
}

bool PlacementFenetre::Perimee(const QResizeEvent& evenement) const {
    return m_enCours && evenement.spontaneous();
}

void PlacementFenetre::GarderAuDessus(bool dessus) {
    if (dessus != m_fenetre.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        const bool visible = m_fenetre.isVisible();
        m_fenetre.setWindowFlag(Qt::WindowStaysOnTopHint, dessus);
        if (visible) {
            m_fenetre.show();
        }
    }
}

void PlacementFenetre::Poser(int gauche, int haut, const std::vector<Rectangle>& zones) {
    const Rectangle place = GarderSurEcrans({gauche, haut, m_fenetre.width(), m_fenetre.height()}, zones);
    m_fenetre.move(place.Gauche, place.Haut);
    // Demandée même quand elle ne change pas : sans cela, le gestionnaire de
    // fenêtres choisirait lui-même où poser la barre.
    if (QWindow* fenetre = m_fenetre.windowHandle()) {
        fenetre->setPosition(place.Gauche, place.Haut);
    }
}

bool PlacementFenetre::eventFilter(QObject* objet, QEvent* evenement) {
    QWindow* fenetre = m_fenetre.windowHandle();
    if (m_enCours && objet == fenetre && evenement->type() == QEvent::Expose && fenetre->isExposed()) {
        m_enCours = false;
        fenetre->removeEventFilter(this);
        m_finie();
    }
    return QObject::eventFilter(objet, evenement);
}

} // namespace pulsodex
