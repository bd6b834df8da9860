#pragma once
// Le rangement de la fenêtre dans la zone de notification et son retour ;
// sans zone de notification, elle se réduit avec une entrée dans la barre des
// tâches pour pouvoir toujours revenir.
class QWidget;

namespace pulsodex {

class TTaskBarIcon;

class RangementBarre {
public:
    explicit RangementBarre(QWidget& fenetre) : m_fenetre(fenetre) {}

    void FixerIcone(TTaskBarIcon* icone) { m_icone = icone; }
    void Ranger();
    void Restaurer();
    // Un second lancement demande à la voir : une boîte ouverte passe devant,
    // sinon la fenêtre revient (si elle a déjà été montrée).
    void Ramener(bool dejaMontree);
    // L'état de la fenêtre a changé (revenue par la barre des tâches) ; vrai
    // quand elle doit être restaurée.
    [[nodiscard]] bool RevenueParLaBarreDesTaches() const;
    // Fin du programme : l'icône quitte la zone de notification.
    void RetirerIcone();

    [[nodiscard]] bool DansLaBarre() const { return m_dansLaBarre; }

private:
    QWidget& m_fenetre;
    TTaskBarIcon* m_icone = nullptr;
    bool m_dansLaBarre = false;
    bool m_reduiteSansBarre = false;
};

} // namespace pulsodex
