#include <gtest/gtest.h>

#include "DialogueEssai.h"
#include "core/config/dialog/ZonesAgenda.h"

namespace pulsodex::test {
namespace {

constexpr TypeEvenement Message = TypeEvenement::Message;
constexpr TypeEvenement Tache = TypeEvenement::Tache;

TEvenement Evenement(TypeEvenement type, std::uint8_t jour, std::uint8_t mois, std::string heure,
                     std::string minute) {
    TEvenement e;
    e.Type = type;
    e.Jour = jour;
    e.Mois = mois;
    e.Heure = std::move(heure);
    e.Minute = std::move(minute);
    e.Actif = true;
    e.Nom = "nom";
    return e;
}

// Une langue dont les heures s'écrivent « 08.30 ».
class LocalePoint : public LocaleFrancaise {
public:
    [[nodiscard]] std::string SeparateurHeure() const override { return "."; }
};

class PageAgendaTest : public ::testing::Test, protected DialogueEssai {
protected:
    std::unique_ptr<TOptionsForm> OuvrirAvec(ListeEvenements evenements,
                                             const LocaleUtilisateur* locale = nullptr) {
        e.Config.Evenements = std::move(evenements);
        return Ouvrir(locale);
    }
    static void Choisir(TOptionsForm& d, int ligne) {
        d.EvenementList.Selection = ligne;
        d.EvenementListClick();
    }
};

TEST_F(PageAgendaTest, ChoisirUnEvenementCocheSonActivation) {
    auto d = OuvrirAvec({Evenement(Tache, 2, 4, "", "15"), Evenement(Message, 9, 0, "", ""),
                         Evenement(Message, 3, 0, "09:00", "")});
    EXPECT_FALSE(d->JourList.Active);
    Choisir(*d, 0);
    EXPECT_TRUE(d->AvertirRepeterOption.Coche());
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "15");
    EXPECT_EQ(d->JourList.Selection, 2);
    EXPECT_EQ(d->MoisList.Selection, 4);
    // Quitter la zone de la minute : 75 devient 00, 7 devient 07, -1 est refusé.
    const std::pair<const char*, const char*> minutes[] = {{"75", "00"}, {"7", "07"}, {"-1", ""}};
    for (const auto& [texte, minute] : minutes) {
        d->AvertirRepeterBox.Texte = texte;
        d->AvertirRepeterBoxSortie();
        EXPECT_EQ(d->TempEvenement[0].Minute, minute) << texte;
    }
    EXPECT_EQ(d->EvenementList.Elements[0], "Tâche les lundis d'avril");
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Valeur incorrecte.");
    EXPECT_EQ(d->Focus, "AvertirRepeterBox");
    Choisir(*d, 1);
    EXPECT_TRUE(d->AvertirLancementOption.Coche());
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "");
    EXPECT_EQ(d->EvenementList.Elements[1], "Message le week-end");
    // Le bouton devient coché : sa règle réécrit l'événement avec ses propres valeurs.
    Choisir(*d, 2);
    EXPECT_EQ(d->EvenementList.Elements[2], "Message le mardi à 09:00");
    EXPECT_EQ(d->TempEvenement[2].Minute, "");
}

TEST_F(PageAgendaTest, EffacerChoisitLaLigneSuivanteOuLaPrecedente) {
    const ListeEvenements trois = {Evenement(Message, 0, 0, "01:00", ""), Evenement(Message, 0, 0, "", "02"),
                                   Evenement(Message, 0, 0, "03:00", "")};
    auto d = OuvrirAvec(trois);
    d->EffacerEvenementCmdClick(); // sans ligne choisie : rien
    EXPECT_EQ(d->TempEvenement.size(), 3U);
    Choisir(*d, 2);
    d->EffacerEvenementCmdClick();
    EXPECT_EQ(d->EvenementList.Selection, 1);
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "02");
    EXPECT_EQ(d->EvenementList.Coches.size(), 2U);
    auto g = OuvrirAvec({Evenement(Message, 0, 0, "01:00", "")});
    Choisir(*g, 0);
    g->EffacerEvenementCmdClick();
    EXPECT_EQ(g->EvenementList.Selection, -1);
    EXPECT_FALSE(g->JourList.Active);
    EXPECT_FALSE(g->EffacerEvenementCmd.Active);
    ASSERT_TRUE(g->OkCmdClick());
    EXPECT_TRUE(e.Config.Evenements.empty());
}

TEST_F(PageAgendaTest, AjouterUnEvenementEtDeuxCentsAuPlus) {
    auto d = OuvrirAvec({});
    d->AjouterEvenementCmdClick();
    EXPECT_EQ(d->EvenementList.Elements, std::vector<std::string>{"<Indéfini> tous les jours à 00:00"});
    EXPECT_EQ(d->EvenementList.Coches, std::vector<bool>{true});
    EXPECT_EQ(d->EvenementList.Selection, 0);
    EXPECT_TRUE(d->AttributEvenementCmd.Active);
    EXPECT_EQ(d->TempEvenement[0].Minute, "00"); // les deux zones telles qu'elles sont
    EXPECT_EQ(d->TempEvenement[0].Nom, "");
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
    EXPECT_EQ(d->JourList.Selection, 0); // les listes ont déjà reçu leur entrée 0
}

TEST_F(PageAgendaTest, ProprietesDeLEvenement) {
    TEvenement tache = Evenement(Tache, 0, 0, "08:30", "");
    tache.Commande = "/opt/outils/sauve.sh";
    tache.Message = "ancien";
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
    EXPECT_EQ(e.Boites.Montrees[0].Legende, "Avertissement");
    EXPECT_TRUE(recus.empty());
    Choisir(*d, 0);
    d->AttributEvenementCmdClick(); // annulé : rien ne change
    ASSERT_EQ(recus.size(), 1U);
    EXPECT_EQ(recus[0], (ContenuEvenement{"ancien", "nom", "/opt/outils/sauve.sh", "", ""}));
    EXPECT_EQ(d->TempEvenement[0].Type, TypeEvenement::Tache);
    reponse =
        ResultatEvenement{TypeEvenement::Message, {"Bonjour", "nom", "/opt/outils/sauve.sh", "-v", "/opt/"}};
    d->AttributEvenementCmdClick();
    EXPECT_EQ(d->TempEvenement[0].Parametres, "-v");
    EXPECT_EQ(d->TempEvenement[0].Repertoire, "/opt/");
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(e.Config.Evenements[0].Message, "Bonjour");
    EXPECT_EQ(e.Config.Evenements[0].Type, TypeEvenement::Message);
}

TEST_F(PageAgendaTest, SeparateurDHeureDeLaLangue) {
    const LocalePoint point;
    auto d = OuvrirAvec({Evenement(Message, 0, 0, "08:30", "")}, &point);
    EXPECT_EQ(d->PermisHeure(), "0123456789.");
    EXPECT_EQ(d->AvertirHeureBox.Texte, "00.00");
    Choisir(*d, 0);
    EXPECT_EQ(d->AvertirHeureBox.Texte, "08.30");
    d->AvertirHeureBox.Texte = "7.5";
    d->AvertirHeureBoxSortie();
    EXPECT_EQ(d->AvertirHeureBox.Texte, "07.05");
    EXPECT_EQ(d->TempEvenement[0].Heure, "07:05"); // l'agenda compare « hh:nn »
    d->AvertirHeureBox.Texte = "7,5";
    d->AvertirHeureBoxSortie();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Heure incorrecte. L'heure doit être au format \"hh.mm\".");
}

TEST(ZonesAgenda, LectureDesHeuresEtDesMinutes) {
    struct Cas {
        const char* texte;
        const char* separateur;
        std::optional<std::string> attendu;
    };
    // clang-format off
    const Cas heures[] = {
        {"8:5", ":", "08:05"}, {"23:59", ":", "23:59"}, {"0:0", ":", "00:00"}, {"7:30:15", ":", "07:30"},
        {"7:30", ".", "07.30"}, {"8h5", "h", "08h05"}, {"25:00", ":", {}}, {"12:60", ":", {}},
        {"7:30:60", ":", {}}, {"8", ":", {}}, {"8:", ":", {}}, {":30", ":", {}}, {"123:00", ":", {}},
        {"08:300", ":", {}}, {"7.30", ":", {}}, {"08:30:", ":", {}}, {"08 30", ":", {}}, {"", ":", {}}};
    // clang-format on
    for (const auto& k : heures) {
        EXPECT_EQ(LireHeureSaisie(k.texte, k.separateur), k.attendu) << k.texte;
    }
    const std::pair<const char*, std::optional<std::string>> minutes[] = {
        {"59", "59"}, {"60", "00"}, {"0", "00"}, {"99999999999999999999", "00"},
        {"", {}},     {"a", {}},    {"+5", {}},  {"5 ", {}}};
    for (const auto& [texte, attendu] : minutes) {
        EXPECT_EQ(LireMinuteSaisie(texte), attendu) << texte;
    }
    EXPECT_EQ(HeureAffichee("08:30", ""), "08:30");
}

TEST(TEvenementForm, FichierChoisi) {
    ContenuEvenement c;
    AppliquerFichierChoisi(c, "/opt/outils/sauve.sh");
    EXPECT_EQ(c, (ContenuEvenement{"", "sauve", "/opt/outils/sauve.sh", "", "/opt/outils/"}));
    // Un second choix garde le nom et remplace commande et répertoire.
    AppliquerFichierChoisi(c, "/usr/bin/rsync");
    EXPECT_EQ(c, (ContenuEvenement{"", "sauve", "/usr/bin/rsync", "", "/usr/bin/"}));
    const std::pair<const char*, const char*> noms[] = {{"/opt/v1.2/archive.tar.gz", "archive.tar"},
                                                        {"/home/moi/.profile", ".profile"},
                                                        {"/sauve.sh", "sauve"}};
    for (const auto& [fichier, nom] : noms) {
        ContenuEvenement vide;
        AppliquerFichierChoisi(vide, fichier);
        EXPECT_EQ(vide.Nom, nom) << fichier;
    }
}

} // namespace
} // namespace pulsodex::test
