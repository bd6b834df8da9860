#pragma once
// Les gestes de la souris sur la barre : la déplacer, l'élargir par ses bords
// de 4 pixels, et Ctrl + glisser une bande ou son bord droit ; le curseur de
// redimensionnement au-dessus des bords.
#include <QObject>
#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWidget;

namespace pulsodex {

class CoolBar;

class GestesSouris : public QObject {
    Q_OBJECT
public:
    GestesSouris(QWidget& fenetre, CoolBar& barre);

    // Le contrôle suit la souris et passe ses gestes à la barre.
    void Suivre(QWidget* controle);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool Pression(QWidget* controle, QMouseEvent* evenement);
    bool Deplacement(QWidget* controle, QMouseEvent* evenement);
    bool Relachement(QWidget* controle, QMouseEvent* evenement);

    QWidget& m_fenetre;
    CoolBar& m_barre;
    // Glissement à la main quand le gestionnaire de fenêtres ne le fait pas.
    enum class Glissement { Aucun, Deplacement, BordGauche, BordDroit };
    Glissement m_glissement = Glissement::Aucun;
    QPoint m_departGlobal;
    QRect m_geometrieDepart;
};

} // namespace pulsodex
