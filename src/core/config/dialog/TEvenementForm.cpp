#include "core/config/dialog/TEvenementForm.h"

namespace pulsodex {

TypeEvenement TypeRapporte(std::string_view pageVisible) {
    if (pageVisible == PageMessage) {
        return TypeEvenement::Message;
    }
    if (pageVisible == PageTache) {
        return TypeEvenement::Tache;
    }
    return TypeEvenement::Indefini;
}

void AppliquerFichierChoisi(ContenuEvenement& contenu, std::string_view fichier) {
    const std::size_t barre = fichier.rfind('/');
    const std::string_view dossier = barre == std::string_view::npos ? "" : fichier.substr(0, barre + 1);
    std::string_view nom = barre == std::string_view::npos ? fichier : fichier.substr(barre + 1);
    // L'extension : le dernier point et ce qui le suit ; un point en tête
    // (fichier caché) fait partie du nom.
    const std::size_t point = nom.rfind('.');
    if (point != std::string_view::npos && point > 0) {
        nom = nom.substr(0, point);
    }
    if (contenu.Nom.empty()) {
        contenu.Nom = std::string(nom);
    }
    contenu.Commande = std::string(fichier);
    contenu.Repertoire = std::string(dossier);
}

} // namespace pulsodex
