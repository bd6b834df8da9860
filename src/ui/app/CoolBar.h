#pragma once
// Conteneur de bandes : chaque bande porte un contrôle (trouvé par la clé de
// la bande), sa visibilité, sa rupture de rangée et sa largeur. Sa hauteur
// suit ses rangées. Ctrl + glisser déplace une bande ou, pris sur son bord
// droit, change sa largeur ; rien de cela quand il est verrouillé.
#include <QWidget>

#include <map>
#include <optional>

#include "core/app/ModeleBandes.h"

namespace pulsodex {

class CoolBar : public QWidget {
    Q_OBJECT
public:
    explicit CoolBar(QWidget* parent = nullptr);

    void AjouterBande(QWidget* controle, int cle);
    void RetirerBande(int cle);
    [[nodiscard]] QWidget* Controle(int cle) const;

    // Le modèle ; après l'avoir changé, Disposer() place les contrôles.
    [[nodiscard]] ModeleBandes& Modele() { return m_modele; }
    [[nodiscard]] const ModeleBandes& Modele() const { return m_modele; }
    void Disposer();

    void FixerVisible(int cle, bool visible);
    void FixerHauteurControle(int cle, int hauteur);

    void FixerVerrouille(bool verrouille) { m_verrouille = verrouille; }
    [[nodiscard]] bool Verrouille() const { return m_verrouille; }

    // Hauteur des rangées pour une largeur donnée (bord compris).
    [[nodiscard]] int HauteurPour(int largeur) const;
    [[nodiscard]] int LargeurUtile() const;

    // Glissement d'une bande, en coordonnées du conteneur. Faux si rien ne
    // commence (verrouillé, ou pas de bande sous le point).
    bool CommencerGlissement(QPoint position);
    void Glisser(QPoint position);
    void TerminerGlissement(QPoint position);
    // Le lâcher n'est jamais venu (une fenêtre modale l'a pris) : on oublie.
    void AnnulerGlissement();
    [[nodiscard]] bool Glisse() const { return m_glisse.has_value(); }

signals:
    void HauteurChangee(int hauteur);

protected:
    void resizeEvent(QResizeEvent* evenement) override;

private:
    ModeleBandes m_modele;
    std::map<int, QWidget*> m_controles;
    bool m_verrouille = false;
    int m_derniereHauteur = -1;
    std::optional<int> m_glisse; // clé de la bande glissée
    bool m_elargit = false;      // son bord droit est tiré
};

} // namespace pulsodex
