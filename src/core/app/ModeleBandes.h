#pragma once
// Les bandes du conteneur : ordre, visibilité, rupture de rangée et largeur.
// Rangées de gauche à droite ; une bande à rupture commence une rangée ; la
// dernière bande d'une rangée prend la largeur qui reste.
#include <vector>

namespace pulsodex {

struct Bande {
    int Cle = 0; // -1..-6 bandes fixes, 1..n disques
    bool Visible = false;
    bool Rupture = true;
    int Largeur = 218;
    int Hauteur = 20;    // hauteur de son contrôle
    int HauteurMin = 20; // hauteur minimale de la bande
};

struct Placement {
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 0;
    bool Visible = false;
    bool DerniereDeRangee = false;
    bool Partagee = false; // rangée trop pleine : largeur partagée également
};

inline constexpr int LargeurMinBande = 8;

struct Disposition {
    std::vector<Placement> Placements; // un par bande, dans l'ordre des bandes
    int Hauteur = 0;                   // hauteur totale des rangées
};

Disposition Disposer(const std::vector<Bande>& bandes, int largeurConteneur);

class ModeleBandes {
public:
    void Ajouter(const Bande& bande) { m_bandes.push_back(bande); }
    void Retirer(int indice);
    [[nodiscard]] int Nombre() const { return static_cast<int>(m_bandes.size()); }
    [[nodiscard]] const Bande& A(int indice) const { return m_bandes.at(static_cast<std::size_t>(indice)); }
    [[nodiscard]] Bande& A(int indice) { return m_bandes.at(static_cast<std::size_t>(indice)); }
    // Position de la bande de cette clé ; -1 si aucune.
    [[nodiscard]] int Indice(int cle) const;
    // Déplace la bande à la position donnée ; hors bornes : rien.
    void Deplacer(int indice, int nouvelIndice);
    [[nodiscard]] const std::vector<Bande>& Bandes() const { return m_bandes; }
    [[nodiscard]] Disposition Disposer(int largeurConteneur) const {
        return pulsodex::Disposer(m_bandes, largeurConteneur);
    }

    // Glisser-déposer d'une bande au point (x, y) du conteneur : avant la
    // bande visée dans sa rangée, ou sur une nouvelle rangée sous les autres.
    void Deposer(int indice, int x, int y, int largeurConteneur);
    // La bande dont le bord droit est sous x dans la rangée de y (pas la
    // dernière de sa rangée, qui prend le reste) ; -1 si aucune.
    [[nodiscard]] int BordDroitSous(int x, int y, int largeurConteneur, int tolerance = 3) const;
    [[nodiscard]] int BandeSous(int x, int y, int largeurConteneur) const;

private:
    std::vector<Bande> m_bandes;
};

} // namespace pulsodex
