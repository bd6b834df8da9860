#pragma once
// Conteneur de bandes : chaque bande porte un contrôle, sa visibilité, sa
// rupture de rangée et sa largeur. Sa hauteur suit ses rangées.
#include <QWidget>

#include <vector>

#include "app/DispositionBandes.h"

namespace pulsodex {

class CoolBar : public QWidget {
    Q_OBJECT
public:
    explicit CoolBar(QWidget* parent = nullptr);

    void AjouterBande(QWidget* controle, int cle);
    void RetirerBande(QWidget* controle);
    [[nodiscard]] int NombreBandes() const { return static_cast<int>(m_bandes.size()); }
    // Indice de la bande qui porte ce contrôle ; -1 si aucune.
    [[nodiscard]] int Indice(const QWidget* controle) const;
    [[nodiscard]] const Bande& BandeA(int indice) const {
        return m_bandes.at(static_cast<std::size_t>(indice));
    }
    [[nodiscard]] QWidget* ControleA(int indice) const {
        return m_controles.at(static_cast<std::size_t>(indice));
    }
    void FixerVisible(int indice, bool visible);
    void FixerRupture(int indice, bool rupture);
    void FixerLargeur(int indice, int largeur);
    void FixerHauteurControle(int indice, int hauteur);
    void Deplacer(int indice, int nouvelIndice);

    // Verrouillée : aucune bande ne se glisse ni ne se redimensionne.
    void FixerVerrouille(bool verrouille) { m_verrouille = verrouille; }
    [[nodiscard]] bool Verrouille() const { return m_verrouille; }

    // Hauteur des rangées pour une largeur donnée (bord compris).
    [[nodiscard]] int HauteurPour(int largeur) const;
    void Disposer();

signals:
    void HauteurChangee(int hauteur);

protected:
    void resizeEvent(QResizeEvent* evenement) override;

private:
    std::vector<Bande> m_bandes;
    std::vector<QWidget*> m_controles;
    bool m_verrouille = false;
    int m_derniereHauteur = -1;
};

} // namespace pulsodex
