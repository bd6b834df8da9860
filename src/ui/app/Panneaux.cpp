#include "ui/app/Panneaux.h"

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

void PanneauBande::FixerBord(Bord bord) {
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
    // Le biseau entoure le contenu (3 pixels de retrait) sans passer dessous.
    DessinerBiseau(peintre, rect().adjusted(Retrait - 1, Retrait - 1, 1 - Retrait, 1 - Retrait), m_bord,
                   palette());
    if (!m_texte.isEmpty()) {
        peintre.setPen(palette().color(QPalette::WindowText));
        peintre.setFont(font());
        peintre.drawText(rect(), Qt::AlignCenter, m_texte);
    }
}

void DessinerBiseau(QPainter& peintre, const QRect& cadre, Bord bord, const QPalette& palette) {
    if (bord == Bord::Aucun) {
        return;
    }
    const QColor sombre = palette.color(QPalette::Dark);
    const QColor clair = palette.color(QPalette::Light);
    peintre.setPen(bord == Bord::Creux ? sombre : clair);
    peintre.drawLine(cadre.topLeft(), cadre.topRight());
    peintre.drawLine(cadre.topLeft(), cadre.bottomLeft());
    peintre.setPen(bord == Bord::Creux ? clair : sombre);
    peintre.drawLine(cadre.bottomLeft(), cadre.bottomRight());
    peintre.drawLine(cadre.topRight(), cadre.bottomRight());
}

Biseau::Biseau(const QString& nom, QWidget* parent) : QWidget(parent) {
    setObjectName(nom);
}

void Biseau::FixerBord(Bord bord) {
    m_bord = bord;
    setVisible(bord != Bord::Aucun);
    update();
}

void Biseau::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    DessinerBiseau(peintre, rect().adjusted(0, 0, -1, -1), m_bord, palette());
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

void BoiteJauge::mouseDoubleClickEvent(QMouseEvent* evenement) {
    if (DoubleClic) {
        DoubleClic();
        return;
    }
    QWidget::mouseDoubleClickEvent(evenement);
}

} // namespace pulsodex
