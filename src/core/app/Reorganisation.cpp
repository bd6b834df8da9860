#include "core/app/Reorganisation.h"

#include "core/app/ModeleBandes.h"
#include "core/commun/Trace.h"

namespace pulsodex {

void ReorgOrdre(ModeleBandes& modele, const std::vector<int>& clesCanoniques) {
    TraceProcedure trace("TPulsodexForm.ReorgOrdre");
    int n = 0;
    for (int cle : clesCanoniques) {
        const int indice = modele.Indice(cle);
        if (indice >= 0) {
            modele.Deplacer(indice, n);
            ++n;
        }
    }
}

void ReorgLigne(ModeleBandes& modele, int largeur) {
    TraceProcedure trace("TPulsodexForm.ReorgLigne");
    int visibles = 0;
    for (const Bande& b : modele.Bandes()) {
        visibles += b.Visible ? 1 : 0;
    }
    if (visibles == 0) {
        return;
    }
    const int w = largeur / visibles;
    for (int i = 0; i < modele.Nombre(); ++i) {
        if (modele.A(i).Visible) {
            modele.A(i).Rupture = false;
            modele.A(i).Largeur = w;
        }
    }
}

void ReorgColonne(ModeleBandes& modele, int largeur) {
    TraceProcedure trace("TPulsodexForm.ReorgColonne");
    for (int i = 0; i < modele.Nombre(); ++i) {
        modele.A(i).Rupture = true;
        modele.A(i).Largeur = largeur;
    }
}

void ReorgAvance(ModeleBandes& modele, int largeur) {
    TraceProcedure trace("TPulsodexForm.ReorgAvance");
    const int moitie = largeur / 2;
    int disques = 0;
    for (int i = 0; i < modele.Nombre(); ++i) {
        Bande& b = modele.A(i);
        if (!b.Visible) {
            continue;
        }
        if (b.Cle > 0) {
            ++disques;
            b.Rupture = disques % 2 == 1;
            b.Largeur = moitie;
        } else {
            b.Rupture = true;
        }
    }
}

void Reorganiser(ModeleBandes& modele, Organisation organisation, const std::vector<int>& clesCanoniques,
                 int largeur) {
    switch (organisation) {
    case Organisation::Ligne:
        ReorgOrdre(modele, clesCanoniques);
        ReorgLigne(modele, largeur);
        break;
    case Organisation::Colonne:
        ReorgOrdre(modele, clesCanoniques);
        ReorgColonne(modele, largeur);
        break;
    case Organisation::Avancee:
        ReorgOrdre(modele, clesCanoniques);
        ReorgAvance(modele, largeur);
        break;
    default:
        break; // manuelle : rien ne bouge
    }
}

} // namespace pulsodex
