#pragma once
// Où la barre se pose : une seule fois, à sa place finale, sur les écrans
// présents. Et sa mise en place : montrée mais pas encore exposée, sous un
// gestionnaire de fenêtres, le serveur X renvoie encore les tailles
// intermédiaires de la construction, auxquelles elle ne doit pas répondre en
// se redimensionnant.
#include <QObject>

#include <functional>
#include <vector>

#include "core/interfaces/Ecran.h"

class QResizeEvent;
class QWidget;

namespace pulsodex {

class PlacementFenetre : public QObject {
    Q_OBJECT
public:
    // finie : appelée quand la fenêtre est exposée ; ses tailles sont de
    // nouveau les siennes.
    PlacementFenetre(QWidget& fenetre, std::function<void()> finie);

    // Au moment où la fenêtre est montrée.
    void Commencer();
    // Une taille renvoyée par le serveur pendant la mise en place : dépassée.
    [[nodiscard]] bool Perimee(const QResizeEvent& evenement) const;
    // Au-dessus de toutes les autres (AuDessus) ou non.
    void GarderAuDessus(bool dessus);
    // Pose la fenêtre en (gauche, haut), ramenée au besoin sur les écrans présents.
    void Poser(int gauche, int haut, const std::vector<Rectangle>& zones);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QWidget& m_fenetre;
    std::function<void()> m_finie;
    bool m_enCours = false;
};

} // namespace pulsodex
