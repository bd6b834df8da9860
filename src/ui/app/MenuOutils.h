#pragma once
// Le menu « OutilsMenu » de la fenêtre (bouton droit, touche « o ») : ses
// entrées, ses sous-menus de réorganisation et leurs coches.
#include <QPoint>
#include <QString>

#include "core/commun/Codes.h"

class QMenu;
class QAction;

namespace pulsodex {

class TPulsodexForm;

class MenuOutils {
public:
    // Chaque entrée appelle le gestionnaire de la fenêtre qui porte son nom.
    explicit MenuOutils(TPulsodexForm& fenetre);

    void Ouvrir(QPoint global);
    // Les touches de la fenêtre : « q » quitter, « c » configuration, « o » ce
    // menu au coin de la fenêtre ; faux pour une autre touche.
    bool Raccourci(const QString& touche, QPoint coin);
    // Une coche au plus sur les trois dispositions automatiques (aucune : manuelle).
    void CocherOrganisation(Organisation organisation);
    void CocherVerrou(bool verrouille);
    [[nodiscard]] QAction* Action(const char* nom) const;

private:
    QMenu* m_menu = nullptr;
};

} // namespace pulsodex
