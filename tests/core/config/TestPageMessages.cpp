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
    const std::vector<bool> Toutes{true, true, true, true};
};

TEST_F(PageMessagesTest, ChoisirUneRegleRemplitLesControlesSansLaReecrire) {
    auto d = OuvrirAvec({{Ressource::MemoireTotale, 20, Unite::Pourcent, "C", 0},
                         {Ressource::Disque, 200, Unite::Mo, "D", 5}});
    EXPECT_EQ(d->AvertirList.Elements,
              (std::vector<std::string>{"Mémoire totale < 20 %", "Disque D < 200 Mo"}));
    EXPECT_EQ(d->AvertirList.Selection, -1);
    EXPECT_FALSE(d->MemOption.Active);
    EXPECT_FALSE(d->SeuilBox.Active);
    EXPECT_TRUE(d->AjouterAvertissementCmd.Active);

    Choisir(*d, 1);
    EXPECT_TRUE(d->DisqueOption.Coche());
    EXPECT_TRUE(d->EspaceDisqueCombo.Active);
    EXPECT_EQ(d->EspaceDisqueCombo.Elements[static_cast<std::size_t>(d->EspaceDisqueCombo.Selection)],
              "D: /home");
    EXPECT_EQ(Unites(*d), Toutes);
    EXPECT_TRUE(d->MegaOption.Coche());
    EXPECT_EQ(d->SeuilBox.Texte, "200");
    EXPECT_EQ(d->SeuilBox.LongueurMax, 3U);
    // Ni la légende ni la règle (son compteur compris) ne sont réécrites.
    EXPECT_EQ(d->AvertirList.Elements[1], "Disque D < 200 Mo");
    EXPECT_EQ(d->TempAvertissement[1], (TAvertissement{Ressource::Disque, 200, Unite::Mo, "D", 5}));
    EXPECT_FALSE(d->RemplissageEnCours);
}

TEST_F(PageMessagesTest, BoutonDeTypeDejaCocheNExecuteAucuneRegle) {
    auto d = OuvrirAvec({{Ressource::ChargeMemoire, 90, Unite::Pourcent, "C", 0},
                         {Ressource::ChargeMemoire, 80, Unite::Pourcent, "C", 0}});
    Choisir(*d, 0);
    // La règle du taux d'utilisation ne laisse que le pourcentage.
    EXPECT_EQ(Unites(*d), (std::vector<bool>{true, false, false, false}));
    EXPECT_FALSE(d->EspaceDisqueCombo.Active);
    Choisir(*d, 1);
    EXPECT_TRUE(d->MemoryLoadOption.Coche());
    EXPECT_EQ(Unites(*d), Toutes);
    EXPECT_EQ(d->SeuilBox.Texte, "80");
    EXPECT_TRUE(d->PourcentOption.Coche());
}

TEST_F(PageMessagesTest, ChangerLeDisqueLeTypeOuLUniteReecritLaRegle) {
    auto d = OuvrirAvec({{Ressource::Disque, 200, Unite::Mo, "D", 5},
                         {Ressource::MemoireTotale, 512, Unite::Ko, "C", 2},
                         {Ressource::MemoirePhysique, 20, Unite::Pourcent, "C", 0}});
    Choisir(*d, 0);
    d->EspaceDisqueCombo.Selection = 2; // E
    d->EspaceDisqueComboChange();
    EXPECT_EQ(d->AvertirList.Elements[0], "Disque E < 200 Mo");
    EXPECT_EQ(d->TempAvertissement[0], (TAvertissement{Ressource::Disque, 200, Unite::Mo, "E", 0}));
    EXPECT_EQ(d->AvertirList.Selection, 0);

    // Mémoire en Ko vers le taux d'utilisation : même nombre, en pourcentage.
    Choisir(*d, 1);
    d->MemoryLoadOption.Cocher();
    EXPECT_EQ(d->AvertirList.Elements[1], "Utilisation mémoire > 512 %");
    EXPECT_EQ(d->TempAvertissement[1].Ressource, Ressource::ChargeMemoire);
    EXPECT_EQ(d->TempAvertissement[1].Seuil, 512);
    EXPECT_EQ(d->TempAvertissement[1].Unite, Unite::Pourcent);
    EXPECT_EQ(d->SeuilBox.LongueurMax, 2U);
    EXPECT_EQ(d->SeuilBox.Texte, "512");
    EXPECT_FALSE(d->KiloOption.Active);

    // Mémoire physique en % vers la mémoire totale : en Mo.
    Choisir(*d, 2);
    d->MemOption.Cocher();
    EXPECT_EQ(d->AvertirList.Elements[2], "Mémoire totale < 20 Mo");
    EXPECT_FALSE(d->EspaceDisqueCombo.Active);
    d->OctetOption.Cocher();
    EXPECT_EQ(d->AvertirList.Elements[2], "Mémoire totale < 20 octet(s)");
    EXPECT_EQ(d->TempAvertissement[2].Unite, Unite::Octets);
}

TEST_F(PageMessagesTest, ZoneDuSeuil) {
    auto d = OuvrirAvec({{Ressource::MemoireTotale, 20, Unite::Pourcent, "C", 3}});
    Choisir(*d, 0);
    // Vidée puis quittée : rien n'est écrit.
    d->SeuilBox.Texte.clear();
    d->SeuilBoxSortie();
    EXPECT_EQ(d->TempAvertissement[0].Compteur, 3);
    // Un autre changement la lit comme 0.
    d->KiloOption.Cocher();
    EXPECT_EQ(d->SeuilBox.Texte, "0");
    EXPECT_EQ(d->AvertirList.Elements[0], "Mémoire totale < 0 Ko");
    d->SeuilBox.Texte = "75";
    d->SeuilBoxSortie();
    EXPECT_EQ(d->AvertirList.Elements[0], "Mémoire totale < 75 Ko");
    // Un texte collé qui n'est pas un nombre : la règle garde son seuil.
    d->SeuilBox.Texte = "7a";
    d->SeuilBoxSortie();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Valeur entière incorrecte.");
    EXPECT_EQ(d->SeuilBox.Texte, "75");
    EXPECT_EQ(d->Focus, "SeuilBox");
    EXPECT_EQ(d->TempAvertissement[0].Seuil, 75);
    EXPECT_TRUE(TOptionsForm::FiltreTouches(TOptionsForm::ChiffresPermis, U'5'));
    EXPECT_FALSE(TOptionsForm::FiltreTouches(TOptionsForm::ChiffresPermis, U'x'));
}

TEST_F(PageMessagesTest, AjouterApresLaRegleMontree) {
    auto d = OuvrirAvec({});
    d->AjouterAvertissementCmdClick();
    EXPECT_EQ(d->AvertirList.Elements, std::vector<std::string>{"Mémoire totale < 0 %"});
    EXPECT_EQ(d->TempAvertissement[0],
              (TAvertissement{Ressource::MemoireTotale, 0, Unite::Pourcent, "C", 0}));
    EXPECT_TRUE(d->SeuilBox.Active);

    d = OuvrirAvec({{Ressource::MemoirePhysique, 20, Unite::Pourcent, "C", 4}});
    Choisir(*d, 0);
    d->AjouterAvertissementCmdClick();
    ASSERT_EQ(d->AvertirList.Elements.size(), 2U);
    EXPECT_EQ(d->AvertirList.Elements[1], "Mémoire physique < 0 %");
    EXPECT_EQ(d->AvertirList.Selection, 1);
    EXPECT_EQ(d->TempAvertissement[1],
              (TAvertissement{Ressource::MemoirePhysique, 0, Unite::Pourcent, "C", 0}));
    EXPECT_EQ(d->TempAvertissement[0].Compteur, 4);
}

TEST_F(PageMessagesTest, EffacerLaDerniereRegleDesactive) {
    auto d = OuvrirAvec({{Ressource::MemoireTotale, 20, Unite::Pourcent, "C", 0},
                         {Ressource::ChargeMemoire, 90, Unite::Pourcent, "C", 0}});
    d->EffacerAvertissementCmdClick(); // sans ligne choisie : rien
    EXPECT_EQ(d->TempAvertissement.size(), 2U);
    Choisir(*d, 0);
    d->EffacerAvertissementCmdClick();
    EXPECT_EQ(d->AvertirList.Elements, std::vector<std::string>{"Utilisation mémoire > 90 %"});
    EXPECT_EQ(d->AvertirList.Selection, -1);
    EXPECT_FALSE(d->MemOption.Active);
    Choisir(*d, 0);
    d->EffacerAvertissementCmdClick();
    EXPECT_TRUE(d->AvertirList.Elements.empty());
    EXPECT_FALSE(d->SeuilBox.Active);
    EXPECT_FALSE(d->PourcentOption.Active);
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_TRUE(e.Config.Avertissements.empty());
}

TEST_F(PageMessagesTest, DeuxCentsReglesAuPlus) {
    auto d = OuvrirAvec(
        ListeAvertissements(199, TAvertissement{Ressource::MemoireTotale, 5, Unite::Pourcent, "C", 0}));
    d->AjouterAvertissementCmdClick();
    EXPECT_TRUE(e.Boites.Montrees.empty());
    d->AjouterAvertissementCmdClick();
    EXPECT_EQ(d->TempAvertissement.size(), 200U);
    EXPECT_EQ(d->AvertirList.Elements.size(), 200U);
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Vous êtes arrivé au nombre maximum d'avertissements.");
    EXPECT_EQ(e.Boites.Montrees[0].Legende, "Pulsodex XP V1.0 Béta 2");
    EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Avertissement);
}

TEST_F(PageMessagesTest, LettreSansCheminEtLecteurAjouteAilleurs) {
    auto d =
        OuvrirAvec({{Ressource::Disque, 10, Unite::Mo, "Q", 0}, {Ressource::Disque, 30, Unite::Mo, "D", 0}});
    // Q n'a pas de chemin : le sélecteur ne montre rien, la règle garde Q.
    Choisir(*d, 0);
    EXPECT_EQ(d->EspaceDisqueCombo.Selection, -1);
    d->SeuilBox.Texte = "20";
    d->SeuilBoxSortie();
    EXPECT_EQ(d->AvertirList.Elements[0], "Disque Q < 20 Mo");
    // Un dossier ajouté sur la page d'affichage ne change pas le lecteur montré.
    Choisir(*d, 1);
    ASSERT_TRUE(d->AjouterLecteur("/srv/donnees"));
    EXPECT_EQ(d->EspaceDisqueCombo.Elements.back(), "F: /srv/donnees");
    d->MegaOption.Cocher();
    d->KiloOption.Cocher();
    EXPECT_EQ(d->AvertirList.Elements[1], "Disque D < 30 Ko");
}

TEST_F(PageMessagesTest, OkRemetLesReglesModifiees) {
    auto d = OuvrirAvec({{Ressource::MemoireTotale, 20, Unite::Pourcent, "C", 0}});
    Choisir(*d, 0);
    d->DisqueOption.Cocher();
    d->AjouterAvertissementCmdClick();
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(e.Config.Avertissements, (ListeAvertissements{{Ressource::Disque, 20, Unite::Mo, "C", 0},
                                                            {Ressource::Disque, 0, Unite::Mo, "C", 0}}));
}

} // namespace
} // namespace pulsodex::test
