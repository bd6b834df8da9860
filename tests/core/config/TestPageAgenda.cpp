#include <gtest/gtest.h>

#include "DialogueEssai.h"
#include "core/config/dialog/ZonesAgenda.h"

namespace pulsodex::test {
namespace {

constexpr TypeEvenement Message = TypeEvenement::Message;
constexpr TypeEvenement Tache = TypeEvenement::Tache;

TEvenement Evenement(TypeEvenement type, std::uint8_t jour, std::uint8_t mois, std::string heure,
                     std::string minute, bool actif = true) {
    TEvenement e;
    e.Type = type;
    e.Jour = jour;
    e.Mois = mois;
    e.Heure = std::move(heure);
    e.Minute = std::move(minute);
    e.Actif = actif;
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
    auto d = OuvrirAvec({Evenement(Message, 0, 0, "08:30", ""), Evenement(Tache, 2, 4, "", "15"),
                         Evenement(Message, 9, 0, "", ""), Evenement(Message, 3, 0, "09:00", "")});
    EXPECT_FALSE(d->JourList.Active);
    EXPECT_FALSE(d->AttributEvenementCmd.Active);
    EXPECT_TRUE(d->AjouterEvenementCmd.Active);
    EXPECT_EQ(d->JourList.Elements.size(), 41U);
    EXPECT_EQ(d->MoisList.Elements.size(), 13U);

    Choisir(*d, 0);
    EXPECT_TRUE(d->JourList.Active);
    EXPECT_TRUE(d->EffacerEvenementCmd.Active);
    EXPECT_TRUE(d->AvertirHeureOption.Coche());
    EXPECT_EQ(d->AvertirHeureBox.Texte, "08:30");
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "");

    Choisir(*d, 1);
    EXPECT_TRUE(d->AvertirRepeterOption.Coche());
    EXPECT_EQ(d->AvertirHeureBox.Texte, "");
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "15");
    EXPECT_EQ(d->JourList.Selection, 2);
    EXPECT_EQ(d->MoisList.Selection, 4);
    EXPECT_EQ(d->EvenementList.Elements[1], "Tâche les lundis d'avril 15 minutes après l'heure");

    Choisir(*d, 2);
    EXPECT_TRUE(d->AvertirLancementOption.Coche());
    EXPECT_EQ(d->AvertirHeureBox.Texte, "");
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "");
    EXPECT_EQ(d->EvenementList.Elements[2], "Message le week-end");

    // Le bouton devient coché : sa règle réécrit l'événement avec ses propres valeurs.
    Choisir(*d, 3);
    EXPECT_EQ(d->AvertirHeureBox.Texte, "09:00");
    EXPECT_EQ(d->EvenementList.Elements[3], "Message le mardi à 09:00");
    EXPECT_EQ(d->TempEvenement[3].Heure, "09:00");
    EXPECT_EQ(d->TempEvenement[3].Minute, "");
}

TEST_F(PageAgendaTest, JourMoisEtActivationReecriventLaLigne) {
    auto d = OuvrirAvec({Evenement(Message, 0, 0, "08:30", "", false)});
    Choisir(*d, 0);
    d->JourList.Selection = 2;
    d->JourListClick();
    d->MoisList.Selection = 4;
    d->MoisListClick();
    EXPECT_EQ(d->EvenementList.Elements[0], "Message les lundis d'avril à 08:30");
    EXPECT_EQ(d->TempEvenement[0].Jour, 2);
    EXPECT_EQ(d->TempEvenement[0].Mois, 4);
    EXPECT_FALSE(d->EvenementList.Coches[0]);

    d->AvertirRepeterOption.Cocher();
    EXPECT_EQ(d->AvertirHeureBox.Texte, "");
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "00");
    EXPECT_EQ(d->EvenementList.Elements[0], "Message les lundis d'avril toutes les heures");
    EXPECT_EQ(d->TempEvenement[0].Heure, "");
    EXPECT_EQ(d->TempEvenement[0].Minute, "00");

    // Prendre la zone de l'heure coche « A une heure précise » et propose minuit.
    d->AvertirHeureBoxEntree();
    EXPECT_TRUE(d->AvertirHeureOption.Coche());
    EXPECT_EQ(d->AvertirHeureBox.Texte, "00:00");
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "");
    EXPECT_EQ(d->TempEvenement[0].Heure, "00:00");

    d->AvertirLancementOption.Cocher();
    EXPECT_EQ(d->EvenementList.Elements[0], "Message les lundis d'avril");
    EXPECT_EQ(d->TempEvenement[0].Heure, "");
    EXPECT_EQ(d->TempEvenement[0].Minute, "");
}

TEST_F(PageAgendaTest, ZoneDeLHeure) {
    auto d = OuvrirAvec({Evenement(Message, 0, 0, "08:30", "")});
    Choisir(*d, 0);
    d->AvertirHeureBox.Texte = "8:5";
    d->AvertirHeureBoxSortie();
    EXPECT_EQ(d->AvertirHeureBox.Texte, "08:05");
    EXPECT_EQ(d->EvenementList.Elements[0], "Message tous les jours à 08:05");
    EXPECT_TRUE(e.Boites.Montrees.empty());

    d->AvertirHeureBox.Texte = "25:00";
    d->AvertirHeureBoxSortie();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Heure incorrecte. L'heure doit être au format \"hh:mm\".");
    EXPECT_EQ(e.Boites.Montrees[0].Legende, "Pulsodex XP V1.0 Béta 2");
    EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Avertissement);
    EXPECT_EQ(e.Boites.Montrees[0].Boutons, BoutonsBoite::Ok);
    EXPECT_EQ(d->AvertirHeureBox.Texte, "");
    EXPECT_EQ(d->Focus, "AvertirHeureBox");
    // L'événement est réécrit avec la zone vidée.
    EXPECT_EQ(d->TempEvenement[0].Heure, "");

    // Quittée vide : au lancement.
    d->AvertirHeureBoxSortie();
    EXPECT_TRUE(d->AvertirLancementOption.Coche());
    EXPECT_EQ(d->EvenementList.Elements[0], "Message tous les jours");
    EXPECT_EQ(e.Boites.Montrees.size(), 1U);
}

TEST_F(PageAgendaTest, ZoneDeLaMinute) {
    auto d = OuvrirAvec({Evenement(Message, 0, 0, "", "15")});
    Choisir(*d, 0);
    d->AvertirRepeterBox.Texte = "75";
    d->AvertirRepeterBoxSortie();
    EXPECT_EQ(d->AvertirRepeterBox.Texte, "00");
    EXPECT_EQ(d->EvenementList.Elements[0], "Message tous les jours toutes les heures");
    d->AvertirRepeterBox.Texte = "7";
    d->AvertirRepeterBoxSortie();
    EXPECT_EQ(d->TempEvenement[0].Minute, "07");
    EXPECT_EQ(d->EvenementList.Elements[0], "Message tous les jours 7 minutes après l'heure");
    d->AvertirRepeterBox.Texte = "-1"; // collé
    d->AvertirRepeterBoxSortie();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Valeur incorrecte.");
    EXPECT_EQ(d->Focus, "AvertirRepeterBox");
    EXPECT_EQ(d->TempEvenement[0].Minute, "");
    d->AvertirRepeterBoxSortie();
    EXPECT_TRUE(d->AvertirLancementOption.Coche());
    // Prendre la zone de la minute coche la répétition.
    d->AvertirRepeterBoxEntree();
    EXPECT_TRUE(d->AvertirRepeterOption.Coche());
    EXPECT_EQ(d->TempEvenement[0].Minute, "00");
}

TEST_F(PageAgendaTest, EffacerChoisitLaLigneSuivanteOuLaPrecedente) {
    auto d = OuvrirAvec({Evenement(Message, 0, 0, "01:00", ""), Evenement(Message, 0, 0, "", "02"),
                         Evenement(Message, 0, 0, "03:00", "")});
    d->EffacerEvenementCmdClick(); // sans ligne choisie : rien
    EXPECT_EQ(d->TempEvenement.size(), 3U);
    Choisir(*d, 1);
    d->EffacerEvenementCmdClick();
    ASSERT_EQ(d->TempEvenement.size(), 2U);
    EXPECT_EQ(d->EvenementList.Selection, 1);
    EXPECT_EQ(d->AvertirHeureBox.Texte, "03:00");
    EXPECT_TRUE(d->AvertirHeureOption.Coche());
    EXPECT_EQ(d->EvenementList.Coches.size(), 2U);

    auto f = OuvrirAvec({Evenement(Message, 0, 0, "01:00", ""), Evenement(Message, 0, 0, "", "02"),
                         Evenement(Message, 0, 0, "03:00", "")});
    Choisir(*f, 2);
    f->EffacerEvenementCmdClick();
    EXPECT_EQ(f->EvenementList.Selection, 1);
    EXPECT_TRUE(f->AvertirRepeterOption.Coche());
    EXPECT_EQ(f->AvertirRepeterBox.Texte, "02");

    auto g = OuvrirAvec({Evenement(Message, 0, 0, "01:00", "")});
    Choisir(*g, 0);
    g->EffacerEvenementCmdClick();
    EXPECT_TRUE(g->EvenementList.Elements.empty());
    EXPECT_EQ(g->EvenementList.Selection, -1);
    EXPECT_FALSE(g->JourList.Active);
    EXPECT_FALSE(g->AvertirHeureBox.Active);
    EXPECT_FALSE(g->EffacerEvenementCmd.Active);
    ASSERT_TRUE(g->OkCmdClick());
    EXPECT_TRUE(e.Config.Evenements.empty());
}

TEST_F(PageAgendaTest, DecocherUneLigneDesactiveSansChangerLaLegende) {
    auto d = OuvrirAvec({Evenement(Message, 0, 0, "08:30", ""), Evenement(Message, 0, 0, "09:30", "")});
    EXPECT_EQ(d->EvenementList.Coches, (std::vector<bool>{true, true}));
    Choisir(*d, 1);
    d->EvenementList.Coches[1] = false;
    d->EvenementListClickCheck(1);
    EXPECT_FALSE(d->TempEvenement[1].Actif);
    EXPECT_TRUE(d->TempEvenement[0].Actif);
    EXPECT_EQ(d->EvenementList.Elements[1], "Message tous les jours à 09:30");
    // Pendant un remplissage, la coche n'est pas recopiée.
    d->RemplissageEnCours = true;
    d->EvenementList.Coches[1] = true;
    d->EvenementListClickCheck(1);
    EXPECT_FALSE(d->TempEvenement[1].Actif);
    d->RemplissageEnCours = false;
    // Une réécriture remet la coche de l'événement.
    d->AvertirLancementOption.Cocher();
    EXPECT_FALSE(d->EvenementList.Coches[1]);
}

TEST_F(PageAgendaTest, AjouterUnEvenement) {
    auto d = OuvrirAvec({});
    d->AjouterEvenementCmdClick();
    EXPECT_EQ(d->EvenementList.Elements, std::vector<std::string>{"<Indéfini> tous les jours à 00:00"});
    EXPECT_EQ(d->EvenementList.Coches, std::vector<bool>{true});
    EXPECT_EQ(d->EvenementList.Selection, 0);
    EXPECT_EQ(d->JourList.Selection, 0);
    EXPECT_EQ(d->MoisList.Selection, 0);
    EXPECT_TRUE(d->AttributEvenementCmd.Active);
    const TEvenement& n = d->TempEvenement[0];
    EXPECT_TRUE(n.Actif);
    EXPECT_EQ(n.Type, TypeEvenement::Indefini);
    EXPECT_EQ(n.Heure, "00:00");
    EXPECT_EQ(n.Minute, "00"); // les deux zones telles qu'elles sont
    EXPECT_EQ(n.Nom, "");
    EXPECT_FALSE(d->RemplissageEnCours);

    // Après un événement montré : ses jour, mois et activation.
    d = OuvrirAvec({Evenement(Message, 2, 4, "", "15")});
    Choisir(*d, 0);
    d->AjouterEvenementCmdClick();
    EXPECT_EQ(d->EvenementList.Elements[1], "<Indéfini> les lundis d'avril 15 minutes après l'heure");
}

TEST_F(PageAgendaTest, DeuxCentsEvenementsAuPlus) {
    auto d = OuvrirAvec(ListeEvenements(200, Evenement(Message, 0, 0, "", "")));
    d->AjouterEvenementCmdClick();
    EXPECT_EQ(d->TempEvenement.size(), 200U);
    EXPECT_EQ(d->EvenementList.Elements.size(), 200U);
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Vous êtes arrivé au nombre maximum d'évènements.");
    EXPECT_EQ(e.Boites.Montrees[0].Legende, "Pulsodex XP V1.0 Béta 2");
    // Les listes de jours et de mois ont déjà reçu leur entrée 0.
    EXPECT_EQ(d->JourList.Selection, 0);
    EXPECT_EQ(d->MoisList.Selection, 0);
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
    // Sans ligne choisie : l'avertissement, pas d'éditeur.
    d->EvenementListDblClick();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte,
              "Veuillez choisir un événement pour pouvoir afficher ses propriétés");
    EXPECT_EQ(e.Boites.Montrees[0].Legende, "Avertissement");
    EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Avertissement);
    EXPECT_TRUE(recus.empty());

    Choisir(*d, 0);
    d->AttributEvenementCmdClick(); // annulé : rien ne change
    ASSERT_EQ(recus.size(), 1U);
    EXPECT_EQ(recus[0], (ContenuEvenement{"ancien", "nom", "/opt/outils/sauve.sh", "", ""}));
    EXPECT_EQ(d->TempEvenement[0].Type, TypeEvenement::Tache);

    // « Ok » sur la page du message : l'événement devient un message.
    reponse = ResultatEvenement{TypeEvenement::Message,
                                {"Bonjour", "nom", "/opt/outils/sauve.sh", "-v", "/opt/outils/"}};
    d->AttributEvenementCmdClick();
    const TEvenement& m = d->TempEvenement[0];
    EXPECT_EQ(m.Type, TypeEvenement::Message);
    EXPECT_EQ(m.Message, "Bonjour");
    EXPECT_EQ(m.Parametres, "-v");
    EXPECT_EQ(m.Repertoire, "/opt/outils/");
    EXPECT_EQ(d->EvenementList.Elements[0], "Message tous les jours à 08:30");
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(e.Config.Evenements[0].Message, "Bonjour");
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
    // L'agenda compare « hh:nn » : l'événement garde les deux-points.
    EXPECT_EQ(d->TempEvenement[0].Heure, "07:05");
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
    const Cas heures[] = {
        {"8:5", ":", "08:05"},          {"08:30", ":", "08:30"},       {"23:59", ":", "23:59"},
        {"0:0", ":", "00:00"},          {"7:30:15", ":", "07:30"},     {"7.30", ".", "07.30"},
        {"7:30", ".", "07.30"},         {"25:00", ":", std::nullopt},  {"12:60", ":", std::nullopt},
        {"7:30:60", ":", std::nullopt}, {"8", ":", std::nullopt},      {"8:", ":", std::nullopt},
        {":30", ":", std::nullopt},     {"123:00", ":", std::nullopt}, {"08:300", ":", std::nullopt},
        {"7.30", ":", std::nullopt},    {"08:30:", ":", std::nullopt}, {"08 30", ":", std::nullopt},
        {"", ":", std::nullopt},        {"8h5", "h", "08h05"},
    };
    for (const auto& k : heures) {
        EXPECT_EQ(LireHeureSaisie(k.texte, k.separateur), k.attendu) << k.texte;
    }
    const std::pair<const char*, std::optional<std::string>> minutes[] = {
        {"7", "07"},
        {"07", "07"},
        {"59", "59"},
        {"60", "00"},
        {"75", "00"},
        {"0", "00"},
        {"99999999999999999999", "00"},
        {"", std::nullopt},
        {"a", std::nullopt},
        {"-1", std::nullopt},
        {"+5", std::nullopt},
        {"5 ", std::nullopt},
    };
    for (const auto& [texte, attendu] : minutes) {
        EXPECT_EQ(LireMinuteSaisie(texte), attendu) << texte;
    }
    EXPECT_EQ(HeureStockee("08.30", "."), "08:30");
    EXPECT_EQ(HeureAffichee("08:30", "."), "08.30");
    EXPECT_EQ(HeureAffichee("08:30", ""), "08:30");
}

TEST(TEvenementForm, TypeRapporteEtParcourir) {
    EXPECT_EQ(TypeRapporte("MessageSheet"), TypeEvenement::Message);
    EXPECT_EQ(TypeRapporte("TacheSheet"), TypeEvenement::Tache);
    EXPECT_EQ(TypeRapporte(""), TypeEvenement::Indefini);

    ContenuEvenement c;
    AppliquerFichierChoisi(c, "/opt/outils/sauve.sh");
    EXPECT_EQ(c, (ContenuEvenement{"", "sauve", "/opt/outils/sauve.sh", "", "/opt/outils/"}));
    // Un second choix garde le nom et remplace commande et répertoire.
    AppliquerFichierChoisi(c, "/usr/bin/rsync");
    EXPECT_EQ(c, (ContenuEvenement{"", "sauve", "/usr/bin/rsync", "", "/usr/bin/"}));

    struct Cas {
        const char* fichier;
        const char* nom;
        const char* repertoire;
    };
    const Cas cas[] = {
        {"/opt/outils/sauvegarde", "sauvegarde", "/opt/outils/"},
        {"/opt/v1.2/archive.tar.gz", "archive.tar", "/opt/v1.2/"},
        {"/home/moi/.profile", ".profile", "/home/moi/"},
        {"/sauve.sh", "sauve", "/"},
    };
    for (const auto& k : cas) {
        ContenuEvenement vide;
        AppliquerFichierChoisi(vide, k.fichier);
        EXPECT_EQ(vide.Nom, k.nom) << k.fichier;
        EXPECT_EQ(vide.Repertoire, k.repertoire) << k.fichier;
        EXPECT_EQ(vide.Commande, k.fichier);
    }
}

} // namespace
} // namespace pulsodex::test
