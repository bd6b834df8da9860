#include "ui/app/CoolBar.h"

#include <QApplication>

#include <algorithm>

namespace pulsodex {

// Bord de 1 pixel autour des rangées.
constexpr int BordCoolBar = 1;

CoolBar::CoolBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CoolBar"));
}

void CoolBar::AjouterBande(QWidget* controle, int cle) {
    controle->setParent(this);
    Bande bande;
    bande.Cle = cle;
    bande.Visible = false;
    bande.Hauteur = controle->height();
    m_modele.Ajouter(bande);
    m_controles[cle] = controle;
    controle->hide();
    Disposer();
}

void CoolBar::RetirerBande(int cle) {
    m_modele.Retirer(m_modele.Indice(cle));
    m_controles.erase(cle);
    Disposer();
}

QWidget* CoolBar::Controle(int cle) const {
    auto it = m_controles.find(cle);
    return it == m_controles.end() ? nullptr : it->second;
}

void CoolBar::FixerVisible(int cle, bool visible) {
    const int i = m_modele.Indice(cle);
    if (i >= 0) {
        m_modele.A(i).Visible = visible;
        Disposer();
    }
}

void CoolBar::FixerHauteurControle(int cle, int hauteur) {
    const int i = m_modele.Indice(cle);
    if (i >= 0) {
        m_modele.A(i).Hauteur = hauteur;
        Disposer();
    }
}

int CoolBar::LargeurUtile() const {
    return width() - 2 * BordCoolBar;
}

int CoolBar::HauteurPour(int largeur) const {
    return pulsodex::Disposer(m_modele.Bandes(), largeur - 2 * BordCoolBar).Hauteur + 2 * BordCoolBar;
}

void CoolBar::Disposer() {
    const Disposition d = m_modele.Disposer(LargeurUtile());
    for (int i = 0; i < m_modele.Nombre(); ++i) {
        const Bande& b = m_modele.A(i);
        const Placement& p = d.Placements[static_cast<std::size_t>(i)];
        QWidget* controle = Controle(b.Cle);
        if (controle == nullptr) {
            continue;
        }
        if (!p.Visible) {
            controle->hide();
            continue;
        }
        // Le contrôle garde sa hauteur, centré dans sa rangée.
        const int hauteur = std::min(b.Hauteur, p.Hauteur);
        controle->setGeometry(p.Gauche + BordCoolBar, p.Haut + BordCoolBar + (p.Hauteur - hauteur) / 2,
                              p.Largeur, hauteur);
        controle->show();
    }
    const int hauteur = d.Hauteur + 2 * BordCoolBar;
    if (hauteur != m_derniereHauteur) {
        m_derniereHauteur = hauteur;
        emit HauteurChangee(hauteur);
    }
}

void CoolBar::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    Disposer();
}

bool CoolBar::CommencerGlissement(QPoint position) {
    if (m_verrouille) {
        return false;
    }
    const int x = position.x() - BordCoolBar;
    const int y = position.y() - BordCoolBar;
    int indice = m_modele.BordDroitSous(x, y, LargeurUtile());
    m_elargit = indice >= 0;
    if (indice < 0) {
        indice = m_modele.BandeSous(x, y, LargeurUtile());
    }
    if (indice < 0) {
        return false;
    }
    m_glisse = m_modele.A(indice).Cle;
    QApplication::setOverrideCursor(m_elargit ? Qt::SizeHorCursor : Qt::SizeAllCursor);
    return true;
}

void CoolBar::Glisser(QPoint position) {
    if (!m_glisse || !m_elargit) {
        return;
    }
    // L'élargissement se voit en direct ; le déplacement se fait au lâcher.
    const int i = m_modele.Indice(*m_glisse);
    if (i < 0) {
        AnnulerGlissement(); // la bande a disparu (reconstruction)
        return;
    }
    const Disposition d = m_modele.Disposer(LargeurUtile());
    const int gauche = d.Placements[static_cast<std::size_t>(i)].Gauche;
    m_modele.A(i).Largeur = std::max(position.x() - BordCoolBar - gauche, LargeurMinBande);
    Disposer();
}

void CoolBar::TerminerGlissement(QPoint position) {
    if (!m_glisse) {
        return;
    }
    if (!m_elargit && m_modele.Indice(*m_glisse) >= 0) {
        m_modele.Deposer(m_modele.Indice(*m_glisse), position.x() - BordCoolBar, position.y() - BordCoolBar,
                         LargeurUtile());
        Disposer();
    }
    AnnulerGlissement();
}

void CoolBar::AnnulerGlissement() {
    if (!m_glisse) {
        return;
    }
    m_glisse.reset();
    m_elargit = false;
    QApplication::restoreOverrideCursor();
}

} // namespace pulsodex
