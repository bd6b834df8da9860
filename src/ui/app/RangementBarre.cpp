#include "ui/app/RangementBarre.h"

#include <QApplication>
#include <QWidget>

#include "ui/shell/TTaskBarIcon.h"

namespace pulsodex {

void RangementBarre::Ranger() {
    if (m_dansLaBarre || m_reduiteSansBarre) {
        return;
    }
    if (m_icone != nullptr && m_icone->AjouterIcone()) {
        m_dansLaBarre = true;
        m_fenetre.hide();
        return;
    }
    m_reduiteSansBarre = true;
    m_fenetre.setWindowFlag(Qt::Tool, false);
    m_fenetre.showMinimized();
}

void RangementBarre::Restaurer() {
    if (m_icone != nullptr) {
        m_icone->RetirerIcone();
    }
    // Revenue, elle ne garde d'entrée dans la barre des tâches que si l'icône
    // le demande (le programme, lui, n'en veut pas).
    m_reduiteSansBarre = false;
    const bool entreeBarre = m_icone != nullptr && m_icone->AfficherApplication;
    if (m_fenetre.windowFlags().testFlag(Qt::Tool) == entreeBarre) {
        m_fenetre.setWindowFlag(Qt::Tool, !entreeBarre);
    }
    m_dansLaBarre = false;
    m_fenetre.showNormal();
    m_fenetre.raise();
    m_fenetre.activateWindow();
}

void RangementBarre::Ramener(bool dejaMontree) {
    if (QWidget* modale = QApplication::activeModalWidget()) {
        modale->raise();
        modale->activateWindow();
    } else if (dejaMontree) {
        Restaurer();
    }
}

bool RangementBarre::RevenueParLaBarreDesTaches() const {
    return m_reduiteSansBarre && !m_fenetre.isMinimized();
}

void RangementBarre::RetirerIcone() {
    if (m_icone != nullptr) {
        m_icone->RetirerIcone();
    }
}

} // namespace pulsodex
