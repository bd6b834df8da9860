// Page « Agen&da » : les événements.
#include "core/commun/Produit.h"
#include "core/commun/Textes.h"
#include "core/commun/Trace.h"
#include "core/config/dialog/Legendes.h"
#include "core/config/dialog/TOptionsForm.h"
#include "core/config/dialog/ZonesAgenda.h"
#include "core/interfaces/Presentateur.h"
#include "core/plateforme/Locale.h"

namespace pulsodex {

namespace {

// La ligne choisie, si elle a son événement.
std::optional<std::size_t> LigneEvenement(const Liste& liste, const ListeEvenements& evenements) {
    if (liste.Choisi() == nullptr || static_cast<std::size_t>(liste.Selection) >= evenements.size()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(liste.Selection);
}

// L'indice choisi d'une liste de jours ou de mois ; à défaut celui de l'événement.
std::uint8_t IndiceOu(const Liste& liste, std::uint8_t defaut) {
    if (liste.Choisi() == nullptr) {
        return defaut;
    }
    return static_cast<std::uint8_t>(liste.Selection);
}

int Selection(const Liste& liste, std::uint8_t indice) {
    return indice < liste.Elements.size() ? indice : 0;
}

} // namespace

std::string TOptionsForm::SeparateurHeure() const {
    return m_services.Locale.SeparateurHeure();
}

std::string TOptionsForm::PermisHeure() const {
    return std::string(ChiffresPermis) + SeparateurHeure();
}

void TOptionsForm::LierReglesAgenda() {
    AvertirLancementOption.Regle = [this] {
        AvertirHeureBox.Texte.clear();
        AvertirRepeterBox.Texte.clear();
        UpdateEvenement();
    };
    AvertirHeureOption.Regle = [this] {
        AvertirRepeterBox.Texte.clear();
        if (AvertirHeureBox.Texte.empty()) {
            AvertirHeureBox.Texte = HeureAffichee("00:00", SeparateurHeure());
        }
        UpdateEvenement();
    };
    AvertirRepeterOption.Regle = [this] {
        AvertirHeureBox.Texte.clear();
        if (AvertirRepeterBox.Texte.empty()) {
            AvertirRepeterBox.Texte = "00";
        }
        UpdateEvenement();
    };
    // Minuit, écrit avec le séparateur de la langue.
    AvertirHeureBox.Texte = HeureAffichee(AvertirHeureBox.Texte, SeparateurHeure());
}

void TOptionsForm::EvenementListClick() {
    TraceProcedure trace("TOptionsForm.EvenementListClick");
    const auto i = LigneEvenement(EvenementList, TempEvenement);
    if (!i) {
        return;
    }
    EvenementEnabled(true);
    const TEvenement e = TempEvenement[*i];
    JourList.Selection = Selection(JourList, e.Jour);
    MoisList.Selection = Selection(MoisList, e.Mois);
    AvertirHeureBox.Texte = HeureAffichee(e.Heure, SeparateurHeure());
    AvertirRepeterBox.Texte = e.Minute;
    // Le bouton qui change exécute sa règle, qui réécrit l'événement avec ses
    // propres valeurs.
    if (!e.Heure.empty()) {
        AvertirHeureOption.Cocher();
    } else if (!e.Minute.empty()) {
        AvertirRepeterOption.Cocher();
    } else {
        AvertirLancementOption.Cocher();
    }
}

void TOptionsForm::UpdateEvenement() {
    if (RemplissageEnCours) {
        return;
    }
    const auto i = LigneEvenement(EvenementList, TempEvenement);
    if (!i) {
        return;
    }
    TraceProcedure trace("TOptionsForm.UpdateEvenement");
    TEvenement& e = TempEvenement[*i];
    e.Jour = IndiceOu(JourList, e.Jour);
    e.Mois = IndiceOu(MoisList, e.Mois);
    e.Heure = TronquerCaracteres(HeureStockee(AvertirHeureBox.Texte, SeparateurHeure()), 5);
    e.Minute = TronquerCaracteres(AvertirRepeterBox.Texte, 2);
    EvenementList.Elements[*i] =
        Compile_Chaine_Evenement(e.Type, e.Jour, e.Mois, e.Heure, e.Minute, m_services.Locale);
    EvenementList.Coches.resize(EvenementList.Elements.size());
    EvenementList.Coches[*i] = e.Actif;
    EvenementList.Selection = static_cast<int>(*i);
}

void TOptionsForm::EvenementListClickCheck(int ligne) {
    if (RemplissageEnCours || ligne < 0 || static_cast<std::size_t>(ligne) >= EvenementList.Coches.size() ||
        static_cast<std::size_t>(ligne) >= TempEvenement.size()) {
        return;
    }
    TempEvenement[static_cast<std::size_t>(ligne)].Actif =
        EvenementList.Coches[static_cast<std::size_t>(ligne)];
}

void TOptionsForm::EvenementListDblClick() {
    AttributEvenementCmdClick();
}

void TOptionsForm::AjouterEvenementCmdClick() {
    TraceProcedure trace("TOptionsForm.AjouterEvenementCmdClick");
    if (JourList.Selection < 0) {
        JourList.Selection = 0;
    }
    if (MoisList.Selection < 0) {
        MoisList.Selection = 0;
    }
    if (TempEvenement.size() >= MaxEvenements) {
        m_services.Boites.Boite(TexteMaxEvenements, produit::Titre, IconeBoite::Avertissement,
                                BoutonsBoite::Ok);
        return;
    }
    RemplissageEnCours = true;
    EvenementEnabled(true);
    TEvenement EvenementCourant;
    EvenementCourant.Actif = true;
    EvenementCourant.Type = TypeEvenement::Indefini;
    EvenementCourant.Jour = IndiceOu(JourList, JourTous);
    EvenementCourant.Mois = IndiceOu(MoisList, MoisTous);
    EvenementCourant.Heure = TronquerCaracteres(HeureStockee(AvertirHeureBox.Texte, SeparateurHeure()), 5);
    EvenementCourant.Minute = TronquerCaracteres(AvertirRepeterBox.Texte, 2);
    EvenementCourant.Lance = false;
    EvenementList.Elements.push_back(Compile_Chaine_Evenement(EvenementCourant.Type, EvenementCourant.Jour,
                                                              EvenementCourant.Mois, EvenementCourant.Heure,
                                                              EvenementCourant.Minute, m_services.Locale));
    EvenementList.Coches.resize(EvenementList.Elements.size() - 1);
    EvenementList.Coches.push_back(true);
    TempEvenement.push_back(EvenementCourant);
    EvenementList.Selection = static_cast<int>(EvenementList.Elements.size()) - 1;
    RemplissageEnCours = false;
}

void TOptionsForm::EffacerEvenementCmdClick() {
    TraceProcedure trace("TOptionsForm.EffacerEvenementCmdClick");
    const auto i = LigneEvenement(EvenementList, TempEvenement);
    if (!i) {
        return;
    }
    const auto rang = static_cast<std::ptrdiff_t>(*i);
    TempEvenement.erase(TempEvenement.begin() + rang);
    EvenementList.Elements.erase(EvenementList.Elements.begin() + rang);
    if (*i < EvenementList.Coches.size()) {
        EvenementList.Coches.erase(EvenementList.Coches.begin() + rang);
    }
    if (EvenementList.Elements.empty()) {
        EvenementList.Selection = -1;
        EvenementEnabled(false);
        return;
    }
    // La ligne qui prend la place, ou la précédente si c'était la dernière.
    EvenementList.Selection = static_cast<int>(std::min(*i, EvenementList.Elements.size() - 1));
    EvenementListClick();
}

void TOptionsForm::AttributEvenementCmdClick() {
    TraceProcedure trace("TOptionsForm.AttributEvenementCmdClick");
    const auto i = LigneEvenement(EvenementList, TempEvenement);
    if (!i) {
        m_services.Boites.Boite(TexteChoisirEvenement, TitreAvertissement, IconeBoite::Avertissement,
                                BoutonsBoite::Ok);
        return;
    }
    if (!EditerEvenement) {
        return;
    }
    const TEvenement& e = TempEvenement[*i];
    const auto resultat =
        EditerEvenement(ContenuEvenement{e.Message, e.Nom, e.Commande, e.Parametres, e.Repertoire});
    if (!resultat || *i >= TempEvenement.size()) {
        return;
    }
    TEvenement& modifie = TempEvenement[*i];
    modifie.Type = resultat->Type;
    modifie.Message = resultat->Contenu.Message;
    modifie.Nom = resultat->Contenu.Nom;
    modifie.Commande = resultat->Contenu.Commande;
    modifie.Parametres = resultat->Contenu.Parametres;
    modifie.Repertoire = resultat->Contenu.Repertoire;
    UpdateEvenement();
}

void TOptionsForm::JourListClick() {
    UpdateEvenement();
}

void TOptionsForm::MoisListClick() {
    UpdateEvenement();
}

void TOptionsForm::AvertirHeureBoxEntree() {
    AvertirHeureOption.Cocher();
}

void TOptionsForm::AvertirRepeterBoxEntree() {
    AvertirRepeterOption.Cocher();
}

void TOptionsForm::AvertirHeureBoxSortie() {
    TraceProcedure trace("TOptionsForm.AvertirHeureBoxExit");
    if (AvertirHeureBox.Texte.empty()) {
        AvertirLancementOption.Cocher();
        return;
    }
    if (const auto heure = LireHeureSaisie(AvertirHeureBox.Texte, SeparateurHeure())) {
        AvertirHeureBox.Texte = *heure;
    } else {
        m_services.Boites.Boite(TexteHeureIncorrecte(SeparateurHeure()), produit::Titre,
                                IconeBoite::Avertissement, BoutonsBoite::Ok);
        AvertirHeureBox.Texte.clear();
        DonnerFocus(AvertirHeureBox);
    }
    UpdateEvenement();
}

void TOptionsForm::AvertirRepeterBoxSortie() {
    TraceProcedure trace("TOptionsForm.AvertirRepeterBoxExit");
    if (AvertirRepeterBox.Texte.empty()) {
        AvertirLancementOption.Cocher();
        return;
    }
    if (const auto minute = LireMinuteSaisie(AvertirRepeterBox.Texte)) {
        AvertirRepeterBox.Texte = *minute;
    } else {
        m_services.Boites.Boite(TexteMinuteIncorrecte, produit::Titre, IconeBoite::Avertissement,
                                BoutonsBoite::Ok);
        AvertirRepeterBox.Texte.clear();
        DonnerFocus(AvertirRepeterBox);
    }
    UpdateEvenement();
}

} // namespace pulsodex
