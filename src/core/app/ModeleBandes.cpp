#include "core/app/ModeleBandes.h"

#include <algorithm>

namespace pulsodex {

Disposition Disposer(const std::vector<Bande>& bandes, int largeurConteneur) {
    Disposition d;
    d.Placements.resize(bandes.size());
    // Rangées : indices des bandes visibles.
    std::vector<std::vector<std::size_t>> rangees;
    for (std::size_t i = 0; i < bandes.size(); ++i) {
        if (!bandes[i].Visible) {
            continue;
        }
        if (rangees.empty() || bandes[i].Rupture) {
            rangees.emplace_back();
        }
        rangees.back().push_back(i);
    }
    int haut = 0;
    for (const auto& rangee : rangees) {
        int hauteur = 0;
        for (std::size_t i : rangee) {
            hauteur = std::max({hauteur, bandes[i].Hauteur, bandes[i].HauteurMin});
        }
        // Une rangée trop pleine (dépôt, fenêtre rétrécie) se partage la
        // largeur : aucune bande ne sort du conteneur.
        int fixes = LargeurMinBande;
        for (std::size_t n = 0; n + 1 < rangee.size(); ++n) {
            fixes += std::max(bandes[rangee[n]].Largeur, LargeurMinBande);
        }
        const bool partage = rangee.size() > 1 && fixes > largeurConteneur;
        const int part = largeurConteneur / static_cast<int>(rangee.size());
        int gauche = 0;
        for (std::size_t n = 0; n < rangee.size(); ++n) {
            const Bande& b = bandes[rangee[n]];
            const bool derniere = n + 1 == rangee.size();
            int largeur = derniere ? largeurConteneur - gauche : (partage ? part : b.Largeur);
            largeur = std::max(largeur, LargeurMinBande);
            d.Placements[rangee[n]] = {gauche, haut, largeur, hauteur, true, derniere, partage};
            gauche += largeur;
        }
        haut += hauteur;
    }
    d.Hauteur = haut;
    return d;
}

void ModeleBandes::Retirer(int indice) {
    if (indice >= 0 && indice < Nombre()) {
        m_bandes.erase(m_bandes.begin() + indice);
    }
}

int ModeleBandes::Indice(int cle) const {
    for (int i = 0; i < Nombre(); ++i) {
        if (m_bandes[static_cast<std::size_t>(i)].Cle == cle) {
            return i;
        }
    }
    return -1;
}

void ModeleBandes::Deplacer(int indice, int nouvelIndice) {
    const int n = Nombre();
    if (indice < 0 || indice >= n || nouvelIndice < 0 || nouvelIndice >= n || indice == nouvelIndice) {
        return;
    }
    const Bande bande = m_bandes[static_cast<std::size_t>(indice)];
    m_bandes.erase(m_bandes.begin() + indice);
    m_bandes.insert(m_bandes.begin() + nouvelIndice, bande);
}

int ModeleBandes::BandeSous(int x, int y, int largeurConteneur) const {
    const Disposition d = Disposer(largeurConteneur);
    for (int i = 0; i < Nombre(); ++i) {
        const Placement& p = d.Placements[static_cast<std::size_t>(i)];
        if (p.Visible && x >= p.Gauche && x < p.Gauche + p.Largeur && y >= p.Haut && y < p.Haut + p.Hauteur) {
            return i;
        }
    }
    return -1;
}

int ModeleBandes::BordDroitSous(int x, int y, int largeurConteneur, int tolerance) const {
    const Disposition d = Disposer(largeurConteneur);
    for (int i = 0; i < Nombre(); ++i) {
        const Placement& p = d.Placements[static_cast<std::size_t>(i)];
        if (p.Visible && !p.DerniereDeRangee && y >= p.Haut && y < p.Haut + p.Hauteur &&
            std::abs(x - (p.Gauche + p.Largeur)) <= tolerance) {
            return i;
        }
    }
    return -1;
}

void ModeleBandes::Deposer(int indice, int x, int y, int largeurConteneur) {
    if (indice < 0 || indice >= Nombre() || !A(indice).Visible) {
        return;
    }
    const Disposition d = Disposer(largeurConteneur);
    const auto& p = d.Placements;
    // Rangée visée, et dans elle la première bande dont le milieu est à
    // droite de x ; à défaut, la fin de la rangée.
    int cible = -1;
    int derniere = -1;
    for (int i = 0; i < Nombre(); ++i) {
        const Placement& q = p[static_cast<std::size_t>(i)];
        if (!q.Visible || y < q.Haut || y >= q.Haut + q.Hauteur) {
            continue;
        }
        derniere = i;
        if (cible < 0 && x < q.Gauche + q.Largeur / 2) {
            cible = i;
        }
    }
    const bool nouvelleRangee = derniere < 0;
    if (!nouvelleRangee && (cible == indice || (cible < 0 && derniere == indice))) {
        return; // reposée à sa place
    }
    // La bande qui la suit dans sa rangée en devient la première.
    if (p[static_cast<std::size_t>(indice)].Gauche == 0) {
        for (int j = indice + 1; j < Nombre(); ++j) {
            if (A(j).Visible) {
                if (p[static_cast<std::size_t>(j)].Haut == p[static_cast<std::size_t>(indice)].Haut) {
                    A(j).Rupture = true;
                }
                break;
            }
        }
    }
    Bande bande = A(indice);
    m_bandes.erase(m_bandes.begin() + indice);
    auto decale = [indice](int i) {
        return i > indice ? i - 1 : i;
    };
    if (nouvelleRangee) {
        bande.Rupture = true;
        m_bandes.push_back(bande);
    } else if (cible >= 0) {
        const int position = decale(cible);
        const bool enTete = p[static_cast<std::size_t>(cible)].Gauche == 0;
        bande.Rupture = enTete;
        if (enTete) {
            m_bandes[static_cast<std::size_t>(position)].Rupture = false;
        }
        m_bandes.insert(m_bandes.begin() + position, bande);
    } else {
        bande.Rupture = false;
        m_bandes.insert(m_bandes.begin() + decale(derniere) + 1, bande);
    }
    // Une rangée trop pleine se partage la largeur : ses bandes la gardent.
    const Disposition apres = Disposer(largeurConteneur);
    const Placement& deposee = apres.Placements[static_cast<std::size_t>(Indice(bande.Cle))];
    if (!deposee.Partagee) {
        return;
    }
    for (int i = 0; i < Nombre(); ++i) {
        const Placement& q = apres.Placements[static_cast<std::size_t>(i)];
        if (q.Visible && q.Haut == deposee.Haut) {
            A(i).Largeur = q.Largeur;
        }
    }
}

} // namespace pulsodex
