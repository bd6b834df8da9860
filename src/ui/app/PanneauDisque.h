#pragma once
// Le panneau d'un lecteur : témoin d'activité (facultatif) et jauge de
// l'espace libre, chacun dans son biseau ; la jauge suit la largeur du panneau.
#include <QWidget>

#include "ui/app/Panneaux.h"

namespace pulsodex {

class PanneauDisque : public QWidget {
    Q_OBJECT
public:
    // h : hauteur d'une ligne de texte des bandes (HauteurBoite).
    PanneauDisque(int emplacement, bool avecActivite, int h, Bord bord, const QColor& fond,
                  QWidget* parent = nullptr);

    Biseau* DisqueBevel = nullptr;
    BoiteJauge* DisquePaintBox = nullptr;
    Biseau* RemplissageBevel = nullptr;
    BoiteJauge* RemplissagePaintBox = nullptr;

protected:
    void resizeEvent(QResizeEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

private:
    QColor m_fond;
    bool m_enCreation = true;
};

} // namespace pulsodex
