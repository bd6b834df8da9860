#include <gtest/gtest.h>

#include "DialogueEssai.h"

namespace pulsodex::test {
namespace {

class PageMessagesTest : public ::testing::Test, protected DialogueEssai {
protected:
    std::unique_ptr<TOptionsForm> OuvrirAvec(ListeAvertissements regles) {
        e.Config.Avertissements = std::move(regles);
        return Ouvrir();
    }
    static void Choisir(TOptionsForm& d, int ligne) {
        d.AvertirList.Selection = ligne;
        d.AvertirListClick();
    }
    static std::vector<bool> Unites(const TOptionsForm& d) {
        return {d.PourcentOption.Active, d.OctetOption.Active, d.KiloOption.Active, d.MegaOption.Active};
    }
};

// Choisir une règle remplit les contrôles sans la réécrire (son compteur
// compris) ; changer son type ou son unité la réécrit.
TEST_F(PageMessagesTest, ChoisirPuisChangerLeTypeOuLUnite) {
    auto d = OuvrirAvec(
        {{Ressource::MemoireTotale, 512, Unite::Ko, "C", 2}, {Ressource::Disque, 200, Unite::Mo, "D", 5}});
    // Mémoire en Ko vers le taux d'utilisation : même nombre, en pourcentage seul.
    Choisir(*d, 0);
    d->MemoryLoadOption.Cocher();
    EXPECT_EQ(d->TempAvertissement[0],
              (TAvertissement{Ressource::ChargeMemoire, 512, Unite::Pourcent, "C", 0}));
    EXPECT_EQ(Unites(*d), (std::vector<bool>{true, false, false, false}));
    d->MemOption.Cocher(); // de retour vers la mémoire totale : en Mo
    EXPECT_EQ(d->AvertirList.Elements[0], "Mémoire totale < 512 Mo");
    Choisir(*d, 1);
    EXPECT_TRUE(d->DisqueOption.Coche() && d->MegaOption.Coche());
    EXPECT_EQ(Unites(*d), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(d->TempAvertissement[1], (TAvertissement{Ressource::Disque, 200, Unite::Mo, "D", 5}));
}

TEST_F(PageMessagesTest, ZoneDuSeuil) {
    auto d = OuvrirAvec({{Ressource::MemoireTotale, 20, Unite::Pourcent, "C", 3}});
    Choisir(*d, 0);
    // Vidée puis quittée : rien n'est écrit ; un autre changement la lit comme 0.
    d->SeuilBox.Texte.clear();
    d->SeuilBoxSortie();
    EXPECT_EQ(d->TempAvertissement[0].Compteur, 3);
    d->OctetOption.Cocher();
    EXPECT_EQ(d->AvertirList.Elements[0], "Mémoire totale < 0 octet(s)");
    // Un texte collé qui n'est pas un nombre : la règle garde son seuil.
    d->SeuilBox.Texte = "7a";
    d->SeuilBoxSortie();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Valeur entière incorrecte.");
    EXPECT_EQ(d->SeuilBox.Texte, "0");
}

TEST_F(PageMessagesTest, AjouterApresLaRegleMontreeEtDeuxCentsAuPlus) {
    auto d = OuvrirAvec({{Ressource::MemoirePhysique, 20, Unite::Pourcent, "C", 4}});
    Choisir(*d, 0);
    d->AjouterAvertissementCmdClick();
    EXPECT_EQ(d->TempAvertissement[1],
              (TAvertissement{Ressource::MemoirePhysique, 0, Unite::Pourcent, "C", 0}));
    EXPECT_EQ(d->TempAvertissement[0].Compteur, 4);
    d = OuvrirAvec(
        ListeAvertissements(200, TAvertissement{Ressource::MemoireTotale, 5, Unite::Pourcent, "C", 0}));
    d->AjouterAvertissementCmdClick();
    EXPECT_EQ(d->TempAvertissement.size(), 200U);
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Vous êtes arrivé au nombre maximum d'avertissements.");
}

// Q n'a pas de chemin : le sélecteur ne montre rien, la règle garde Q. Un
// dossier ajouté sur la page d'affichage ne change pas le lecteur montré.
TEST_F(PageMessagesTest, LettreSansCheminEtLecteurAjouteAilleurs) {
    auto d =
        OuvrirAvec({{Ressource::Disque, 10, Unite::Mo, "Q", 0}, {Ressource::Disque, 30, Unite::Mo, "D", 0}});
    Choisir(*d, 0);
    EXPECT_EQ(d->EspaceDisqueCombo.Selection, -1);
    d->SeuilBox.Texte = "20";
    d->SeuilBoxSortie();
    EXPECT_EQ(d->AvertirList.Elements[0], "Disque Q < 20 Mo");
    Choisir(*d, 1);
    ASSERT_TRUE(d->AjouterLecteur("/srv/donnees"));
    EXPECT_EQ(d->EspaceDisqueCombo.Elements.back(), "F: /srv/donnees");
    d->KiloOption.Cocher();
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(e.Config.Avertissements[1], (TAvertissement{Ressource::Disque, 30, Unite::Ko, "D", 0}));
}

} // namespace
} // namespace pulsodex::test
