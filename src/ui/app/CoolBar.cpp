#include "CoolBar.h"

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
    m_bandes.push_back(bande);
    m_controles.push_back(controle);
    controle->hide();
    Disposer();
}

void CoolBar::RetirerBande(QWidget* controle) {
    const int i = Indice(controle);
    if (i < 0) {
        return;
    }
    m_bandes.erase(m_bandes.begin() + i);
    m_controles.erase(m_controles.begin() + i);
    Disposer();
}

int CoolBar::Indice(const QWidget* controle) const {
    auto it = std::find(m_controles.begin(), m_controles.end(), controle);
    return it == m_controles.end() ? -1 : static_cast<int>(it - m_controles.begin());
}

void CoolBar::FixerVisible(int indice, bool visible) {
    m_bandes.at(static_cast<std::size_t>(indice)).Visible = visible;
    Disposer();
}

void CoolBar::FixerRupture(int indice, bool rupture) {
    m_bandes.at(static_cast<std::size_t>(indice)).Rupture = rupture;
    Disposer();
}

void CoolBar::FixerLargeur(int indice, int largeur) {
    m_bandes.at(static_cast<std::size_t>(indice)).Largeur = largeur;
    Disposer();
}

void CoolBar::FixerHauteurControle(int indice, int hauteur) {
    m_bandes.at(static_cast<std::size_t>(indice)).Hauteur = hauteur;
    Disposer();
}

void CoolBar::Deplacer(int indice, int nouvelIndice) {
    const auto n = static_cast<int>(m_bandes.size());
    if (indice < 0 || indice >= n || nouvelIndice < 0 || nouvelIndice >= n || indice == nouvelIndice) {
        return;
    }
    const Bande bande = m_bandes[static_cast<std::size_t>(indice)];
    QWidget* controle = m_controles[static_cast<std::size_t>(indice)];
    m_bandes.erase(m_bandes.begin() + indice);
    m_controles.erase(m_controles.begin() + indice);
    m_bandes.insert(m_bandes.begin() + nouvelIndice, bande);
    m_controles.insert(m_controles.begin() + nouvelIndice, controle);
    Disposer();
}

int CoolBar::HauteurPour(int largeur) const {
    return pulsodex::Disposer(m_bandes, largeur - 2 * BordCoolBar).Hauteur + 2 * BordCoolBar;
}

void CoolBar::Disposer() {
    const Disposition d = pulsodex::Disposer(m_bandes, width() - 2 * BordCoolBar);
    for (std::size_t i = 0; i < m_bandes.size(); ++i) {
        const Placement& p = d.Placements[i];
        QWidget* controle = m_controles[i];
        if (!p.Visible) {
            controle->hide();
            continue;
        }
        // Le contrôle garde sa hauteur, centré dans sa rangée.
        const int hauteur = std::min(m_bandes[i].Hauteur, p.Hauteur);
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

} // namespace pulsodex
