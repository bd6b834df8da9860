#include "ui/app/PanneauDisque.h"

#include <QPainter>

namespace pulsodex {

PanneauDisque::PanneauDisque(int emplacement, bool avecActivite, int h, Bord bord, const QColor& fond,
                             QWidget* parent)
    : QWidget(parent), m_fond(fond) {
    const QString n = QString::number(emplacement);
    setObjectName(QStringLiteral("DisquePanel") + n);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(218, h + 4);
    int gauche = 2;
    if (avecActivite) {
        RemplissageBevel = new Biseau(QStringLiteral("RemplissageBevel") + n, this);
        RemplissageBevel->setGeometry(2, 2, 8, h);
        RemplissageBevel->FixerBord(bord);
        RemplissagePaintBox = new BoiteJauge(QStringLiteral("RemplissagePaintBox") + n, this);
        RemplissagePaintBox->setGeometry(3, 3, 6, h - 2);
        RemplissagePaintBox->setToolTip(QStringLiteral("Activité du disque"));
        gauche = 13;
    }
    DisqueBevel = new Biseau(QStringLiteral("DisqueBevel") + n, this);
    DisqueBevel->setGeometry(gauche, 2, width() - gauche - 2, h);
    DisqueBevel->FixerBord(bord);
    DisquePaintBox = new BoiteJauge(QStringLiteral("DisquePaintBox") + n, this);
    DisquePaintBox->setGeometry(gauche + 1, 3, DisqueBevel->width() - 2, h - 2);
    m_enCreation = false;
}

void PanneauDisque::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    if (m_enCreation) {
        return;
    }
    const int gauche = DisqueBevel->x();
    DisqueBevel->resize(width() - gauche - 2, DisqueBevel->height());
    DisquePaintBox->resize(DisqueBevel->width() - 2, DisquePaintBox->height());
}

void PanneauDisque::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.fillRect(rect(), m_fond);
}

} // namespace pulsodex
