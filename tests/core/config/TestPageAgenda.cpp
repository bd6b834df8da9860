#include <gtest/gtest.h>

#include "DialogueEssai.h"
#include "core/config/dialog/ZonesAgenda.h"

namespace pulsodex::test {
namespace {

constexpr TypeEvenement Message = TypeEvenement::Message;
constexpr TypeEvenement Tache = TypeEvenement::Tache;

// Un événement actif nommé « nom ».
TEvenement Evenement(TypeEvenement type, std::uint8_t jour, std::uint8_t mois, const char* heure,
                     const char* minute) {
    return {true, type, "nom", "", "", "", jour, mois, heure, minute, "", ModeLancement::Normal, false};
}

// Une langue dont les heures s'écrivent « 08.30 » : l'agenda garde « hh:nn ».
class LocalePoint : public LocaleFrancaise {
public:
    [[nodiscard]] std::string SeparateurHeure() const override { return "."; }
};

class PageAgendaTest : public ::testing::Test, protected DialogueEssai {
protected:
    std::unique_ptr<TOptionsForm> OuvrirAvec(ListeEvenements evenements) {
        e.Config.Evenements = std::move(evenements);
        return Ouvrir();
    }
    static void Choisir(TOptionsForm& d, int ligne) {
        d.EvenementList.Selection = ligne;
        d.EvenementListClick();
    }
};

TEST_F(PageAgendaTest, ChoisirUnEvenementCocheSonActivation) {
    auto d = OuvrirAvec({Evenement(Tache, 2, 4, "", "15"), Evenement(Message, 9, 0, "", "")});
    Choisir(*d, 0);
    EXPECT_TRUE(d->AvertirRepeterOption.Coche());
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "15");
    EXPECT_EQ(d->JourList.Selection, 2);
    EXPECT_EQ(d->MoisList.Selection, 4);
    // Quitter la zone de la minute : 75 devient 00, -1 est refusé.
    d->AvertirRepeterBox.Texte = "75";
    d->AvertirRepeterBoxSortie();
    EXPECT_EQ(d->TempEvenement[0].Minute, "00");
    d->AvertirRepeterBox.Texte = "-1";
    d->AvertirRepeterBoxSortie();
    EXPECT_EQ(d->TempEvenement[0].Minute, "");
    EXPECT_EQ(d->EvenementList.Elements[0], "Tâche les lundis d'avril");
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Valeur incorrecte.");
    EXPECT_EQ(d->Focus, "AvertirRepeterBox");
    Choisir(*d, 1);
    EXPECT_TRUE(d->AvertirLancementOption.Coche());
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "");
}

// Effacer choisit la ligne suivante, ou la précédente en fin de liste ; la
// dernière effacée, la page se vide et « Ok » rend une liste vide.
TEST_F(PageAgendaTest, EffacerChoisitLaLigneSuivanteOuLaPrecedente) {
    auto d = OuvrirAvec({Evenement(Message, 0, 0, "01:00", ""), Evenement(Message, 0, 0, "", "02"),
                         Evenement(Message, 0, 0, "03:00", "")});
    Choisir(*d, 2);
    d->EffacerEvenementCmdClick();
    EXPECT_EQ(d->EvenementList.Selection, 1);
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "02");
    d = OuvrirAvec({Evenement(Message, 0, 0, "01:00", "")});
    Choisir(*d, 0);
    d->EffacerEvenementCmdClick();
    EXPECT_EQ(d->EvenementList.Selection, -1);
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_TRUE(e.Config.Evenements.empty());
}

TEST_F(PageAgendaTest, AjouterUnEvenementEtDeuxCentsAuPlus) {
    auto d = OuvrirAvec({});
    d->AjouterEvenementCmdClick();
    EXPECT_EQ(d->EvenementList.Elements, std::vector<std::string>{"<Indéfini> tous les jours à 00:00"});
    EXPECT_EQ(d->EvenementList.Coches, std::vector<bool>{true});
    // Après un événement montré : ses jour, mois et activation.
    d = OuvrirAvec({Evenement(Message, 2, 4, "", "15")});
    Choisir(*d, 0);
    d->AjouterEvenementCmdClick();
    EXPECT_EQ(d->EvenementList.Elements[1], "<Indéfini> les lundis d'avril 15 minutes après l'heure");
    d = OuvrirAvec(ListeEvenements(200, Evenement(Message, 0, 0, "", "")));
    d->AjouterEvenementCmdClick();
    EXPECT_EQ(d->TempEvenement.size(), 200U);
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Vous êtes arrivé au nombre maximum d'évènements.");
}

TEST_F(PageAgendaTest, ProprietesDeLEvenement) {
    TEvenement tache = Evenement(Tache, 0, 0, "08:30", "");
    tache.Commande = "/opt/outils/sauve.sh";
    auto d = OuvrirAvec({tache});
    std::vector<ContenuEvenement> recus;
    std::optional<ResultatEvenement> reponse;
    d->EditerEvenement = [&](const ContenuEvenement& c) {
        recus.push_back(c);
        return reponse;
    };
    d->EvenementListDblClick(); // sans ligne choisie : l'avertissement, pas d'éditeur
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte,
              "Veuillez choisir un événement pour pouvoir afficher ses propriétés");
    Choisir(*d, 0);
    d->AttributEvenementCmdClick(); // annulé : rien ne change
    ASSERT_EQ(recus.size(), 1U);
    EXPECT_EQ(recus[0], (ContenuEvenement{"", "nom", "/opt/outils/sauve.sh", "", ""}));
    reponse = ResultatEvenement{Message, {"Bonjour", "nom", "/opt/outils/sauve.sh", "-v", "/opt/"}};
    d->AttributEvenementCmdClick();
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(e.Config.Evenements[0],
              (TEvenement{true, Message, "nom", "/opt/outils/sauve.sh", "-v", "/opt/", 0, 0, "08:30", "",
                          "Bonjour", ModeLancement::Normal, false}));
}

TEST_F(PageAgendaTest, SeparateurDHeureDeLaLangue) {
    const LocalePoint point;
    e.Config.Evenements = {Evenement(Message, 0, 0, "08:30", "")};
    auto d = Ouvrir(&point);
    Choisir(*d, 0);
    EXPECT_EQ(d->AvertirHeureBox.Texte, "08.30");
    d->AvertirHeureBox.Texte = "7.5";
    d->AvertirHeureBoxSortie();
    EXPECT_EQ(d->TempEvenement[0].Heure, "07:05");
    d->AvertirHeureBox.Texte = "7,5";
    d->AvertirHeureBoxSortie();
    EXPECT_EQ(e.Boites.Montrees.at(0).Texte, "Heure incorrecte. L'heure doit être au format \"hh.mm\".");
}

TEST(ZonesAgenda, LectureDesHeuresEtDesMinutes) {
    const std::pair<const char*, std::optional<std::string>> heures[] = {
        {"8:5", "08:05"}, {"23:59", "23:59"},
        {"0:0", "00:00"}, {"7:30:15", "07:30"},
        {"25:00", {}},    {"12:60", {}},
        {"7:30:60", {}},  {"8", {}},
        {":30", {}},      {"123:00", {}},
        {"08:300", {}},   {"7.30", {}},
        {"08 30", {}},    {"", {}}};
    for (const auto& [texte, attendu] : heures) {
        EXPECT_EQ(LireHeureSaisie(texte, ":"), attendu) << texte;
    }
    EXPECT_EQ(LireHeureSaisie("8h5", "h"), "08h05");
    const std::pair<const char*, std::optional<std::string>> minutes[] = {
        {"59", "59"}, {"60", "00"}, {"99999999999999999999", "00"}, {"", {}}, {"a", {}}, {"+5", {}}};
    for (const auto& [texte, attendu] : minutes) {
        EXPECT_EQ(LireMinuteSaisie(texte), attendu) << texte;
    }
}

} // namespace
} // namespace pulsodex::test
