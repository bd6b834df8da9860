#include "Panneaux.h"

#include <QPainter>

namespace pulsodex {

// Bord de 2 pixels, biseau de 1 pixel : le contenu commence à 3 pixels.
constexpr int Retrait = 3;

PanneauBande::PanneauBande(const QString& nom, QWidget* parent) : QWidget(parent) {
    setObjectName(nom);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanneauBande::FixerFond(const QColor& fond) {
    m_fond = fond;
    update();
}

void PanneauBande::FixerBord(int bord) {
    m_bord = bord;
    update();
}

void PanneauBande::FixerTexte(const QString& texte) {
    if (texte != m_texte) {
        m_texte = texte;
        update();
    }
}

void PanneauBande::FixerContenu(QWidget* contenu) {
    m_contenu = contenu;
    if (m_contenu != nullptr) {
        m_contenu->setParent(this);
        m_contenu->setGeometry(rect().adjusted(Retrait, Retrait, -Retrait, -Retrait));
    }
}

void PanneauBande::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    if (m_contenu != nullptr) {
        m_contenu->setGeometry(Retrait, Retrait, width() - 2 * Retrait, m_contenu->height());
    }
}

void PanneauBande::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.fillRect(rect(), m_fond);
    if (m_bord != 0) {
        const QRect biseau = rect().adjusted(2, 2, -3, -3);
        const QColor sombre = palette().color(QPalette::Dark);
        const QColor clair = palette().color(QPalette::Light);
        const QColor& hautGauche = m_bord == 1 ? sombre : clair;
        const QColor& basDroite = m_bord == 1 ? clair : sombre;
        peintre.setPen(hautGauche);
        peintre.drawLine(biseau.topLeft(), biseau.topRight());
        peintre.drawLine(biseau.topLeft(), biseau.bottomLeft());
        peintre.setPen(basDroite);
        peintre.drawLine(biseau.bottomLeft(), biseau.bottomRight());
        peintre.drawLine(biseau.topRight(), biseau.bottomRight());
    }
    if (!m_texte.isEmpty()) {
        peintre.setPen(palette().color(QPalette::WindowText));
        peintre.setFont(font());
        peintre.drawText(rect(), Qt::AlignCenter, m_texte);
    }
}

BoiteJauge::BoiteJauge(const QString& nom, QWidget* parent) : QWidget(parent) {
    setObjectName(nom);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoiteJauge::FixerFond(const QColor& fond) {
    m_fond = fond;
    update();
}

void BoiteJauge::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    if (Peindre) {
        Peindre(peintre, rect());
    } else {
        peintre.fillRect(rect(), m_fond);
    }
}

} // namespace pulsodex
