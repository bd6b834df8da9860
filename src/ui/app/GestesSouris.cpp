#include "ui/app/GestesSouris.h"

#include <QMouseEvent>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "core/app/GeometrieFenetre.h"
#include "ui/app/CoolBar.h"

namespace pulsodex {

GestesSouris::GestesSouris(QWidget& fenetre, CoolBar& barre)
    : QObject(&fenetre), m_fenetre(fenetre), m_barre(barre) {}

void GestesSouris::Suivre(QWidget* controle) {
    controle->setMouseTracking(true);
    controle->installEventFilter(this);
}

bool GestesSouris::eventFilter(QObject* objet, QEvent* evenement) {
    auto* controle = qobject_cast<QWidget*>(objet);
    if (controle != nullptr) {
        switch (evenement->type()) {
        case QEvent::MouseButtonPress:
            return Pression(controle, static_cast<QMouseEvent*>(evenement));
        case QEvent::MouseMove:
            return Deplacement(controle, static_cast<QMouseEvent*>(evenement));
        case QEvent::MouseButtonRelease:
            return Relachement(controle, static_cast<QMouseEvent*>(evenement));
        default:
            break;
        }
    }
    return QObject::eventFilter(objet, evenement);
}

bool GestesSouris::Relachement(QWidget* controle, QMouseEvent* evenement) {
    m_glissement = Glissement::Aucun;
    if (!m_barre.Glisse()) {
        return false;
    }
    m_barre.TerminerGlissement(controle->mapTo(&m_barre, evenement->position().toPoint()));
    return true;
}

bool GestesSouris::Pression(QWidget* controle, QMouseEvent* evenement) {
    if (evenement->button() != Qt::LeftButton) {
        return false;
    }
    if ((evenement->modifiers() & Qt::ControlModifier) != 0) {
        // Ctrl + glisser : la bande, pas la fenêtre (rien si verrouillé).
        m_barre.CommencerGlissement(controle->mapTo(&m_barre, evenement->position().toPoint()));
        return true;
    }
    if (const QVariant deplace = controle->property("deplaceFenetre");
        deplace.isValid() && !deplace.toBool()) {
        return false; // jauge d'un lecteur : son double-clic ouvre le dossier
    }
    const QPoint local = controle->mapTo(&m_fenetre, evenement->position().toPoint());
    const ZoneSouris zone = ZoneSous(local.x(), m_fenetre.width());
    QWindow* fenetre = m_fenetre.windowHandle();
    bool systeme = false;
    if (fenetre != nullptr) {
        systeme = zone == ZoneSouris::Deplacement  ? fenetre->startSystemMove()
                  : zone == ZoneSouris::BordGauche ? fenetre->startSystemResize(Qt::LeftEdge)
                                                   : fenetre->startSystemResize(Qt::RightEdge);
    }
    if (!systeme) {
        // Sans gestionnaire de fenêtres : on suit la souris soi-même.
        m_glissement = zone == ZoneSouris::Deplacement  ? Glissement::Deplacement
                       : zone == ZoneSouris::BordGauche ? Glissement::BordGauche
                                                        : Glissement::BordDroit;
        m_departGlobal = evenement->globalPosition().toPoint();
        m_geometrieDepart = m_fenetre.geometry();
    }
    return true;
}

bool GestesSouris::Deplacement(QWidget* controle, QMouseEvent* evenement) {
    if (m_barre.Glisse()) {
        if ((evenement->buttons() & Qt::LeftButton) == 0) {
            m_barre.AnnulerGlissement(); // son lâcher s'est perdu
        } else {
            m_barre.Glisser(controle->mapTo(&m_barre, evenement->position().toPoint()));
            return true;
        }
    }
    if (m_glissement != Glissement::Aucun && (evenement->buttons() & Qt::LeftButton) != 0) {
        const QPoint ecart = evenement->globalPosition().toPoint() - m_departGlobal;
        QRect g = m_geometrieDepart;
        const int minimum = m_fenetre.minimumWidth();
        switch (m_glissement) {
        case Glissement::Deplacement:
            g.translate(ecart);
            break;
        case Glissement::BordGauche:
            g.setLeft(std::min(g.left() + ecart.x(), g.right() - minimum + 1));
            break;
        case Glissement::BordDroit:
            g.setRight(std::max(g.right() + ecart.x(), g.left() + minimum - 1));
            break;
        case Glissement::Aucun:
            break;
        }
        m_fenetre.setGeometry(g);
        return true;
    }
    const QPoint local = controle->mapTo(&m_fenetre, evenement->position().toPoint());
    if (ZoneSous(local.x(), m_fenetre.width()) == ZoneSouris::Deplacement) {
        m_fenetre.unsetCursor();
    } else {
        m_fenetre.setCursor(Qt::SizeHorCursor);
    }
    return false;
}

} // namespace pulsodex
