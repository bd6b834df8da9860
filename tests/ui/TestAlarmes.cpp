#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <fstream>

#include "AttentesQt.h"
#include "FenetreEssai.h"
#include "ui/shell/BoitesSansAttente.h"
#include "ui/shell/TMessageForm.h"

namespace pulsodex::test {
namespace {

class AlarmesTest : public ::testing::Test {
protected:
    FenetreEssai e;
    RegistreMemoire& reg = e.Reg;
    void Regle(const char* ressource, const char* seuil, const char* unite) {
        reg.WriteString("", "NombreAvertissements", "1");
        reg.WriteString("Avertissement\\0", "Ressource", ressource);
        reg.WriteString("Avertissement\\0", "Seuil", seuil);
        reg.WriteString("Avertissement\\0", "Unité", unite);
    }
};

TEST_F(AlarmesTest, AlarmeAvecSonPuisRepetitionRetenue) {
    Regle("Mémoire", "50", "%"); // 30 % libres
    reg.WriteString(e.Res(), "RepeterAvertir", "3");
    TPulsodexForm& f = e.Demarrer(); // le tic de la construction sonne
    ASSERT_EQ(e.Boites.Messages.size(), 1U);
    EXPECT_EQ(e.Boites.Messages[0].Texte, "La mémoire totale est pratiquement remplie.");
    EXPECT_EQ(e.Boites.Messages[0].Legende, "Alarme Pulsodex");
    EXPECT_EQ(e.Boites.Messages[0].Son, 0x30);
    f.MinuterieTimer();
    f.MinuterieTimer();
    EXPECT_EQ(e.Boites.Messages.size(), 1U);
    f.MinuterieTimer(); // le 3e tic après
    EXPECT_EQ(e.Boites.Messages.size(), 2U);
}

TEST_F(AlarmesTest, BandesCacheesLesReglesMesurentQuandMeme) {
    Regle("Physique", "4096", "Mo"); // 2 Go libres < 4 Go
    // Seuls l'horloge et le lecteur C : le tic tourne, les règles de mémoire aussi.
    for (const char* bande : {"Mem", "MemPhysique", "MemoryLoad"}) {
        reg.WriteString(e.Res(), bande, "Non");
    }
    reg.WriteString(e.Res(), "ListeDisques", "C");
    reg.WriteString(e.Res(), "Sons", "Non");
    e.Demarrer();
    ASSERT_EQ(e.Boites.Messages.size(), 1U);
    EXPECT_EQ(e.Boites.Messages[0].Texte, "La mémoire physique est pratiquement remplie.");
    EXPECT_EQ(e.Boites.Messages[0].Son, 0);
}

TEST_F(AlarmesTest, AlarmeAbandonneeQuandUneFenetreEstOuverte) {
    Regle("Mémoire", "50", "%");
    e.Boites.GarderOuvertes = true;
    TPulsodexForm& f = e.Demarrer(); // l'alarme du premier tic reste ouverte
    ASSERT_EQ(e.Boites.Messages.size(), 1U);
    f.Config()->Avertissements[0].Compteur = 0;
    f.MinuterieTimer();
    EXPECT_EQ(e.Boites.Messages.size(), 1U);
    EXPECT_EQ(f.Config()->Avertissements[0].Compteur, 60); // le décompte est posé
    // Fermée, la suivante peut s'ouvrir à son tour.
    e.Boites.Fermer();
    f.Config()->Avertissements[0].Compteur = 0;
    f.MinuterieTimer();
    EXPECT_EQ(e.Boites.Messages.size(), 2U);
}

TEST_F(AlarmesTest, EvenementDeLAgendaAuLancement) {
    reg.WriteString("", "NombreEvenement", "1");
    reg.WriteString("Evenement\\0", "Actif", "Oui");
    reg.WriteString("Evenement\\0", "Type", "1");
    reg.WriteString("Evenement\\0", "Message", "<b>Réunion</b>");
    TPulsodexForm& f = e.Demarrer();
    ASSERT_EQ(e.Boites.Messages.size(), 1U);
    EXPECT_EQ(e.Boites.Messages[0].Texte, "<b>Réunion</b>");
    EXPECT_EQ(e.Boites.Messages[0].Legende, "Evénement Pulsodex");
    EXPECT_EQ(e.Boites.Messages[0].Son, 0x40);
    f.HeureTimerTimer();
    EXPECT_EQ(e.Boites.Messages.size(), 1U); // une fois par lancement
}

TEST_F(AlarmesTest, FermeePendantLeMessageDuPremierTic) {
    reg.WriteString("", "NombreEvenement", "1");
    reg.WriteString("Evenement\\0", "Actif", "Oui");
    reg.WriteString("Evenement\\0", "Type", "1");
    e.Boites.GarderOuvertes = true;
    TPulsodexForm& f = e.Demarrer();
    ASSERT_EQ(e.Boites.Ouvertes(), 1U);
    // Un signal d'arrêt pendant le message : il se ferme avec le programme.
    f.FormClose();
    EXPECT_EQ(e.Boites.Ouvertes(), 0U);
    EXPECT_TRUE(f.Fermee());
    EXPECT_FALSE(Enfant<QTimer>(f, "Minuterie")->isActive());
    EXPECT_FALSE(Enfant<QTimer>(f, "HeureTimer")->isActive());
    // La fermeture a gardé la position et la disposition.
    EXPECT_TRUE(reg.Lire(e.Res(), "DecalageHaut").has_value());
    EXPECT_TRUE(reg.Lire(e.Res() + "\\Emplacement", "Order-1").has_value());
}

TEST_F(AlarmesTest, ErreursDeLancementMontreesEtEffacees) {
    TPulsodexForm& f = e.Demarrer();
    Enfant<QAction>(f, "ErreursLancementMenu")->trigger();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Aucune erreur de lancement de tâche n'a été rencontrée.");
    EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Avertissement);

    const auto fichier = e.Dossier / "Taches.err";
    std::ofstream(fichier) << "(...) Lancement de la tâche \"x\" : Fichier non trouvé.\r\n";
    f.ErreursLancementMenuClick();
    ASSERT_EQ(e.Lancement.Appels.size(), 1U);
    EXPECT_EQ(e.Lancement.Appels[0].Fichier, "NotePad.exe");
    EXPECT_EQ(e.Lancement.Appels[0].Parametres, "Taches.err");
    EXPECT_EQ(e.Lancement.Appels[0].Repertoire, e.Dossier.string() + "/");
    EXPECT_EQ(e.Boites.Montrees.size(), 1U);
    e.Lancement.Reponse = 31;
    f.ErreursLancementMenuClick();
    ASSERT_EQ(e.Boites.Montrees.size(), 2U);
    EXPECT_EQ(e.Boites.Montrees[1].Texte, "Il n'existe pas d'associations à ce fichier. (NotePad.exe)");

    e.Boites.Montrees.clear();
    e.Boites.Repondre(ReponseBoite::Annuler);
    f.EffacerErreurMenuClick();
    EXPECT_TRUE(std::filesystem::exists(fichier));
    e.Boites.Repondre(ReponseBoite::Ok);
    Enfant<QAction>(f, "EffacerErreurMenu")->trigger();
    EXPECT_FALSE(std::filesystem::exists(fichier));
    ASSERT_EQ(e.Boites.Montrees.size(), 3U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Voulez-vous effacer le fichier de lancement des erreurs?");
    EXPECT_EQ(e.Boites.Montrees[0].Boutons, BoutonsBoite::OkAnnuler);
    EXPECT_EQ(e.Boites.Montrees[2].Texte, "Fichier des erreurs de lancement de tâche effacé.");
    EXPECT_EQ(e.Boites.Sons, (std::vector<std::uint16_t>{0x20, 0x20}));
    // Rien à effacer : rien ne s'affiche après la question.
    e.Boites.Repondre(ReponseBoite::Ok);
    f.EffacerErreurMenuClick();
    EXPECT_EQ(e.Boites.Montrees.size(), 4U);
}

TEST(TMessageForm, DispositionEtTexteBrut) {
    TMessageForm f;
    EXPECT_EQ(f.windowTitle().toStdString(), "Message Pulsodex");
    EXPECT_EQ(f.size(), QSize(313, 115));
    EXPECT_EQ(f.MessageLabel->geometry(), QRect(60, 16, 241, 53));
    EXPECT_EQ(f.MessageLabel->textFormat(), Qt::PlainText);
    EXPECT_EQ(f.OkCmd->text().toStdString(), "&Continuer");
    EXPECT_TRUE(f.OkCmd->isDefault());
    EXPECT_EQ(f.Timer1->interval(), 1000);
    EXPECT_FALSE(f.Clignote());
    f.Timer1Timer();
    EXPECT_TRUE(f.Clignote());
    f.Timer1Timer();
    EXPECT_FALSE(f.Clignote());
    f.MessageLabel->setText(QString(2000, QLatin1Char('x')));
    EXPECT_EQ(f.size(), QSize(313, 115)); // ne grandit pas
}

// Une boîte ouverte par le gestionnaire d'un minuteur n'arrête pas ce minuteur.
TEST(BoitesSansAttente, LeMinuteurQuiOuvreUneBoiteContinueDeBattre) {
    int battements = 0;
    int fins = 0;
    QTimer minuteur;
    QObject::connect(&minuteur, &QTimer::timeout, [&] {
        if (++battements == 1) {
            MontrerSansAttendre(new TMessageForm, [&fins](int) { ++fins; });
        }
    });
    minuteur.start(5);
    EXPECT_TRUE(
        test::AttendreEnTraitantLesEvenements([&] { return battements >= 5; }, std::chrono::seconds(5)));
    EXPECT_EQ(NombreBoitesOuvertes(), 1);
    EXPECT_EQ(fins, 0);
    FermerBoitesOuvertes(); // fin du programme : sans suite
    EXPECT_EQ(NombreBoitesOuvertes(), 0);
    EXPECT_EQ(fins, 0);
}

TEST(TMessageForm, AfficheMessageRendLaMainEtAppelleLaSuiteALaFermeture) {
    int fermetures = 0;
    AfficheMessage("<i>bonjour</i>", "Alarme Pulsodex", 0, [&fermetures] { ++fermetures; });
    auto* f = qobject_cast<TMessageForm*>(QApplication::activeModalWidget());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle().toStdString(), "Alarme Pulsodex");
    EXPECT_EQ(f->MessageLabel->text().toStdString(), "<i>bonjour</i>");
    EXPECT_EQ(fermetures, 0);
    f->OkCmd->click();
    EXPECT_EQ(fermetures, 1);
    AfficheMessage("x", "", 0);
    f = qobject_cast<TMessageForm*>(QApplication::activeModalWidget());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle().toStdString(), "Message Pulsodex");
    f->close();
    QApplication::processEvents();
}

} // namespace
} // namespace pulsodex::test
