// Règles des pages d'affichage : couleurs, police, transparence et lecteurs.
#include <algorithm>
#include <cmath>

#include "core/commun/Produit.h"
#include "core/commun/Textes.h"
#include "core/config/dialog/CouleursSysteme.h"
#include "core/config/dialog/TOptionsForm.h"
#include "core/interfaces/Presentateur.h"

namespace pulsodex {

namespace {
int ArrondiPair(double v) {
    return static_cast<int>(std::nearbyint(v));
}
} // namespace

int PositionDeTransparence(std::int32_t taux) {
    return 100 - ArrondiPair(taux * 100.0 / 255.0);
}

std::int32_t TauxDeTransparence(int position) {
    return ArrondiPair((100 - position) * 255.0 / 100.0);
}

void TOptionsForm::RemplirLecteurs() {
    // Le lecteur d'une règle de disque affichée reste choisi.
    const std::string* espace = EspaceDisqueCombo.Choisi();
    const std::string lettreEspace = espace != nullptr ? espace->substr(0, 1) : std::string();
    DriveBox.Elements = m_services.Carte.Libelles();
    EspaceDisqueCombo.Elements = DriveBox.Elements;
    // Le lecteur courant : C s'il a une lettre, sinon le premier.
    auto indiceDe = [this](char lettre) {
        for (std::size_t i = 0; i < DriveBox.Elements.size(); ++i) {
            if (!DriveBox.Elements[i].empty() && DriveBox.Elements[i][0] == lettre) {
                return static_cast<int>(i);
            }
        }
        return DriveBox.Elements.empty() ? -1 : 0;
    };
    DriveBox.Selection = indiceDe('C');
    EspaceDisqueCombo.Selection = DriveBox.Selection;
    if (!lettreEspace.empty()) {
        ChoisirEspaceDisque(lettreEspace);
    }
}

char TOptionsForm::LettreChoisie() const {
    const std::string* choisi = DriveBox.Choisi();
    if (choisi == nullptr || choisi->empty()) {
        return 0;
    }
    return MajusculesAscii(choisi->substr(0, 1))[0];
}

void TOptionsForm::FormeClic(Forme& forme) {
    if (!forme.Active) {
        return;
    }
    if (m_services.ChoisirCouleur) {
        forme.Couleur = m_services.ChoisirCouleur(forme.Couleur).value_or(forme.Couleur);
    }
    if (&forme == &CouleurTexteShape) {
        CouleurTexteCombo.Selection = 0;
        FontPanel.CouleurTexte = forme.Couleur;
    } else if (&forme == &CouleurFondShape) {
        CouleurFondCombo.Selection = 0;
        FontPanel.CouleurFond = forme.Couleur;
    }
}

void TOptionsForm::CouleurTexteComboChange() {
    const int i = CouleurTexteCombo.Selection;
    if (i >= 1 && i <= 25) {
        CouleurTexteShape.Couleur = CouleursSysteme[static_cast<std::size_t>(i - 1)].Couleur;
        FontPanel.CouleurTexte = CouleurTexteShape.Couleur;
    }
}

void TOptionsForm::CouleurFondComboChange() {
    const int i = CouleurFondCombo.Selection;
    if (i >= 1 && i <= 25) {
        CouleurFondShape.Couleur = CouleursSysteme[static_cast<std::size_t>(i - 1)].Couleur;
        FontPanel.CouleurFond = CouleurFondShape.Couleur;
    }
}

void TOptionsForm::FontListClick() {
    if (const std::string* police = FontList.Choisi()) {
        FontPanel.Fonte.Nom = *police;
    }
}

void TOptionsForm::TailleListClick() {
    if (const std::string* taille = TailleList.Choisi()) {
        FontPanel.Fonte.Taille = static_cast<std::int32_t>(LireEntierDecimal(*taille).value_or(8));
    }
}

void TOptionsForm::StyleComboChange() {
    static constexpr std::uint8_t Styles[] = {StyleStandard, StyleItalique, StyleGras,
                                              StyleGras | StyleItalique};
    FontPanel.Fonte.Style = StyleCombo.Selection >= 0 && StyleCombo.Selection <= 3
                                ? Styles[StyleCombo.Selection]
                                : std::uint8_t{StyleStandard};
}

Bord TOptionsForm::BordChoisi() const {
    const int i = std::clamp(BordCombo.Selection, 0, static_cast<int>(std::size(BordsDuCombo)) - 1);
    return BordsDuCombo[static_cast<std::size_t>(i)].Valeur;
}

void TOptionsForm::BordComboChange() {
    FontPanel.Biseau = BordChoisi();
}

void TOptionsForm::AjouterDisqueCmdClick() {
    const char lettre = LettreChoisie();
    if (lettre == 0) {
        return;
    }
    if (DisqueBox.Texte.find(lettre) != std::string::npos) {
        m_services.Boites.Boite("Ce disque est déjà définit.", produit::Titre, IconeBoite::Avertissement,
                                BoutonsBoite::Ok);
        return;
    }
    DisqueBox.Texte += lettre;
    DisqueBox.Texte += ' ';
}

void TOptionsForm::SupprimerDisqueCmdClick() {
    const char lettre = LettreChoisie();
    const std::size_t position = lettre == 0 ? std::string::npos : DisqueBox.Texte.find(lettre);
    if (position != std::string::npos) {
        DisqueBox.Texte.erase(position, 2);
    }
}

void TOptionsForm::DisqueBoxSortie() {
    if (!DisqueBox.Texte.empty()) {
        TotalCheck.Active = true;
    } else {
        TotalCheck.Cocher(false);
        TotalCheck.Active = false;
    }
}

void TOptionsForm::SignalerLettresEpuisees() {
    m_services.Boites.Boite("Toutes les lettres de lecteur sont déjà attribuées.", produit::Titre,
                            IconeBoite::Avertissement, BoutonsBoite::Ok);
}

std::vector<std::string> TOptionsForm::MontagesSansLettre() const {
    std::vector<std::string> libres;
    for (const std::string& point : m_services.Montages) {
        bool pris = false;
        for (std::uint8_t lecteur = 1; lecteur <= NombreLecteurs && !pris; ++lecteur) {
            pris = m_services.Carte.Chemin(lecteur) == point;
        }
        if (!pris) {
            libres.push_back(point);
        }
    }
    return libres;
}

bool TOptionsForm::AjouterLecteur(std::string_view chemin) {
    const auto lettre = m_services.Carte.Attribuer(chemin);
    if (!lettre) {
        return false;
    }
    const char choisie = *lettre;
    RemplirLecteurs();
    for (std::size_t i = 0; i < DriveBox.Elements.size(); ++i) {
        if (!DriveBox.Elements[i].empty() && DriveBox.Elements[i][0] == choisie) {
            DriveBox.Selection = static_cast<int>(i);
        }
    }
    return true;
}

} // namespace pulsodex
