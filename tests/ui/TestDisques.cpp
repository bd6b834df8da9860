#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

#include <chrono>

#include "Attentes.h"
#include "FenetreEssai.h"
#include "core/app/Disque.h"
#include "ui/app/CoolBar.h"
#include "ui/app/PanneauDisque.h"

namespace pulsodex::test {
namespace {

// La racine d'un conteneur : son espace n'est pas lu sur le fil de l'interface.
constexpr const char* RacineOverlay = "22 1 0:31 / / rw - overlay overlay rw\n";

class DisquesFenetreTest : public ::testing::Test {
protected:
    FenetreEssai e;
    RegistreMemoire& reg = e.Reg;
};

// Des tics jusqu'à la condition, au plus dix secondes : le fil de la sonde
// relève l'espace à sa propre cadence, pas à chaque tic.
template <typename Condition>
bool TicsJusqua(TPulsodexForm& f, Condition condition) {
    return AttendreQue(condition, 10s, [&] { f.MinuterieTimer(); });
}

TEST_F(DisquesFenetreTest, PanneauxDuTotalEtDesLecteurs) {
    reg.WriteString(e.Res(), "ListeDisques", "C5c;C"); // deux fois C
    reg.WriteString(e.Res(), "TotalDisque", "Oui");
    TPulsodexForm& f = e.Demarrer();
    ASSERT_EQ(f.NombreDisques(), 3);
    EXPECT_EQ(f.Disque(1)->Lecteur, 0);
    EXPECT_EQ(f.Disque(2)->Lecteur, 3);
    PanneauDisque* total = f.PanneauDuDisque(1);
    PanneauDisque* c = f.PanneauDuDisque(2);
    EXPECT_EQ(c->objectName().toStdString(), "DisquePanel2");
    EXPECT_EQ(c->DisquePaintBox->objectName().toStdString(), "DisquePaintBox2");
    EXPECT_EQ(c->RemplissagePaintBox->objectName().toStdString(), "RemplissagePaintBox2");
    // Avec témoin : jauge à 14 ; h = 15 : panneau 19, jauge 13.
    EXPECT_EQ(c->DisquePaintBox->geometry(), QRect(14, 3, c->width() - 13 - 2 - 2, 13));
    EXPECT_EQ(c->RemplissagePaintBox->geometry(), QRect(3, 3, 6, 13));
    EXPECT_EQ(c->DisquePaintBox->toolTip().toStdString(), "Disque local (100,00 Go)");
    EXPECT_EQ(total->DisquePaintBox->toolTip().toStdString(), "Total des unités (200,00 Go)");
    EXPECT_EQ(f.Disque(1)->Libre, 50LL << 30);
    // Disposition avancée : le total et C d'abord ensemble, le second C seul.
    const Disposition d = f.Bandes()->Modele().Disposer(f.Bandes()->LargeurUtile());
    const int iTotal = f.Bandes()->Modele().Indice(1);
    const int iC = f.Bandes()->Modele().Indice(2);
    EXPECT_EQ(d.Placements[static_cast<std::size_t>(iTotal)].Haut,
              d.Placements[static_cast<std::size_t>(iC)].Haut);

    // Le démontage enregistre les bandes des lecteurs et libère les panneaux.
    f.Cacher();
    EXPECT_EQ(f.NombreDisques(), 0);
    EXPECT_EQ(reg.Lire(e.Res() + "\\Emplacement", "Order1"), std::to_string(iTotal));
}

// La fenêtre par défaut (180 pixels, disques deux par rangée) montre ses
// légendes entières avec la police des réglages, « MS Sans Serif » 8.
TEST_F(DisquesFenetreTest, LegendesEntieresDansLaFenetreParDefaut) {
    reg.WriteString(e.Res(), "ListeDisques", "CDQ");
    reg.WriteString(e.Res(), "TotalDisque", "Oui");
    TPulsodexForm& f = e.Demarrer();
    ASSERT_EQ(f.width(), 180);
    ASSERT_EQ(f.NombreDisques(), 4);
    const QFontMetrics mesure(f.font());
    for (int emplacement = 1; emplacement <= 4; ++emplacement) {
        const int largeur = f.PanneauDuDisque(emplacement)->DisquePaintBox->width();
        for (const char* legende : {"C: 233,59 Go", "Q: Indisponible", "468,10 Go"}) {
            EXPECT_LE(mesure.horizontalAdvance(QString::fromUtf8(legende)), largeur)
                << legende << " dans la jauge " << emplacement << " (" << f.font().family().toStdString()
                << ")";
        }
    }
}

TEST_F(DisquesFenetreTest, SansTemoinLaJaugeCommenceA3) {
    reg.WriteString(e.Res(), "ListeDisques", "C");
    reg.WriteString(e.Res(), "IndicateurRemplissageDisque", "Non");
    reg.WriteString(e.Res(), "Bord", "Sans");
    TPulsodexForm& f = e.Demarrer();
    PanneauDisque* c = f.PanneauDuDisque(1);
    EXPECT_EQ(c->RemplissagePaintBox, nullptr);
    EXPECT_EQ(c->DisquePaintBox->x(), 3);
    EXPECT_FALSE(c->DisqueBevel->isVisible());
    // La jauge suit la largeur de sa bande.
    f.resize(300, f.height());
    EXPECT_EQ(c->DisquePaintBox->width(), c->width() - 2 - 2 - 2);
}

// La fenêtre donne sa période aux sondes : elles relèvent d'elles-mêmes et le
// tic de l'affichage lit le relevé de la création ; sans minuteur (période
// nulle), un relevé par question. La racine d'un conteneur (overlay) passe par
// un fil ; celle d'un disque ext4 est lue directement, sans fil.
TEST(DisquesCadence, LesSondesSuiventLaPeriodeDuRafraichissement) {
    struct Cas {
        int Periode;
        std::uint64_t Releves;
        bool EnCadence;
    };
    for (const Cas& k : {Cas{1000, 1, true}, Cas{0, 2, false}}) {
        FenetreEssai e;
        e.Montages.Changer(RacineOverlay);
        e.Reg.WriteString(e.Res(), "ListeDisques", "C");
        e.Reg.WriteInteger(e.Res(), "Rafraichissement", k.Periode);
        e.Demarrer();
        EXPECT_EQ(e.Disques.Bilan().Releves, k.Releves) << k.Periode;
        EXPECT_EQ(e.Disques.Bilan().EnCadence, k.EnCadence) << k.Periode;
    }
    FenetreEssai e;
    e.Reg.WriteString(e.Res(), "ListeDisques", "C");
    e.Sonde->Repondre("/", 1000, 10);
    TPulsodexForm& f = e.Demarrer();
    EXPECT_EQ(f.Disque(1)->Libre, 10);
    EXPECT_EQ(e.Disques.NombreSondes(), 0U);
    EXPECT_EQ(e.Sonde->FilsDistincts(), 1U);
}

TEST_F(DisquesFenetreTest, LecteurReseauTombeUneQuestionParEpisode) {
    e.Montages.Changer("22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                       "36 22 0:41 / /mnt/nfs rw - nfs4 serveur:/export rw\n");
    CarteLecteurs carte = FenetreEssai::CarteC();
    carte.Fixer('E', "/mnt/nfs");
    e.Disques.ChangerCarte(carte);
    reg.WriteString(e.Res(), "ListeDisques", "CE");
    reg.WriteInteger(e.Res(), "Rafraichissement", 20); // la cadence des sondes
    e.Boites.Repondre(ReponseBoite::Oui);
    ResultatProgramme refus;
    refus.Lance = refus.Termine = true;
    refus.Code = 32;
    refus.Erreurs = "umount: /mnt/nfs: must be superuser to unmount.\n";
    e.Executeur.Rendre(refus);
    TPulsodexForm& f = e.Demarrer(); // le tic de la construction
    ASSERT_EQ(e.Boites.Montrees.size(), 2U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte,
              "Votre unité réseau E est indisponible, voulez-vous la déconnecter ?");
    EXPECT_EQ(e.Boites.Montrees[0].Boutons, BoutonsBoite::OuiNon);
    EXPECT_EQ(e.Boites.Montrees[1].Texte, "Vous n'avez pas le droit de déconnecter cette unité.");
    ASSERT_EQ(e.Executeur.Commandes.size(), 1U);
    EXPECT_EQ(LegendeDisque(*f.Disque(2), FormatNombres{}), "E: Indisponible");
    for (int i = 0; i < 70; ++i) {
        f.MinuterieTimer();
    }
    EXPECT_EQ(e.Boites.Montrees.size(), 2U); // pas de nouvelle question dans l'épisode
    // Le lecteur revient, puis retombe (relevé bloqué plus que le délai) : la
    // question revient.
    e.Sonde->Repondre("/mnt/nfs", 1000, 10);
    ASSERT_TRUE(TicsJusqua(f, [&] { return f.Disque(2)->Libre == 10; }));
    e.Sonde->Bloquer("/mnt/nfs");
    e.Boites.Repondre(ReponseBoite::Non);
    ASSERT_TRUE(TicsJusqua(f, [&] { return e.Boites.Montrees.size() == 3U; }));
    EXPECT_EQ(e.Boites.Montrees[2].Texte,
              "Votre unité réseau E est indisponible, voulez-vous la déconnecter ?");
    EXPECT_EQ(e.Executeur.Commandes.size(), 1U); // « Non » : rien n'est démonté
    e.Sonde->Liberer();
}

// F ne répond plus : à chaque tic, les panneaux et les règles de C, D et E
// suivent leur espace. Chaque lecteur n'est lu qu'une fois par tic pour son
// panneau et toutes ses règles ; F répond « occupé » sans nouveau fil.
TEST_F(DisquesFenetreTest, UnLecteurBloqueLesAutresSuiventChaqueTic) {
    e.Montages.Changer(RacineOverlay); // tous passent par le releveur
    CarteLecteurs carte = FenetreEssai::CarteC();
    carte.Fixer('D', "/home/a");
    carte.Fixer('E', "/home/b");
    carte.Fixer('F', "/mnt/nfs");
    e.Disques.ChangerCarte(carte);
    e.Sonde->Bloquer("/mnt/nfs");
    reg.WriteString(e.Res(), "ListeDisques", "CDEF");
    reg.WriteInteger(e.Res(), "Rafraichissement", 0); // un relevé par question
    reg.WriteString("", "NombreAvertissements", "6");
    const char* regles[][3] = {{"D", "1", "Mo"}, {"D", "2", "Mo"}, {"D", "1", "%"},
                               {"E", "1", "Mo"}, {"E", "1", "%"},  {"F", "1", "Mo"}};
    for (int i = 0; i < 6; ++i) {
        const std::string cle = "Avertissement\\" + std::to_string(i);
        reg.WriteString(cle, "Ressource", "Disque");
        reg.WriteString(cle, "Disque", regles[i][0]);
        reg.WriteString(cle, "Seuil", regles[i][1]);
        reg.WriteString(cle, "Unité", regles[i][2]);
    }
    const std::int64_t taille = 100LL << 30;
    e.Sonde->Repondre("/", taille, 50LL << 30);
    e.Sonde->Repondre("/home/a", taille, 40LL << 30);
    e.Sonde->Repondre("/home/b", taille, 30LL << 30);
    TPulsodexForm& f = e.Demarrer(); // F attend le délai une fois
    EXPECT_EQ(LegendeDisque(*f.Disque(4), FormatNombres{}), "F: Indisponible");
    struct Cas {
        std::int64_t D, E;
        std::size_t Messages;
    };
    const Cas tics[] = {
        {40LL << 30, 30LL << 30, 0}, {39LL << 30, 31LL << 30, 0}, {38LL << 30, 32LL << 30, 0},
        {37LL << 30, 33LL << 30, 0}, {36LL << 30, 34LL << 30, 0}, {1LL << 19, 35LL << 30, 1},
    };
    for (const Cas& k : tics) {
        e.Sonde->Repondre("/home/a", taille, k.D);
        e.Sonde->Repondre("/home/b", taille, k.E);
        const int appels = e.Sonde->Appels();
        f.MinuterieTimer();
        EXPECT_EQ(f.Disque(2)->Libre, k.D);
        EXPECT_EQ(f.Disque(3)->Libre, k.E);
        EXPECT_EQ(e.Boites.Messages.size(), k.Messages) << k.D;
        EXPECT_EQ(e.Sonde->Appels() - appels, 3) << k.D; // C, D et E, une fois chacun
    }
    ASSERT_EQ(e.Boites.Messages.size(), 1U);
    EXPECT_EQ(e.Boites.Messages[0].Texte, "Le disque D est pratiquement remplit.");
    EXPECT_EQ(e.Sonde->Bloquees(), 1);
    // Le fil bloqué sur F et celui qui a pris la suite, pas un de plus.
    EXPECT_EQ(e.Disques.Bilan().Fils, 2);
    EXPECT_EQ(e.Sonde->FilsDistincts(), 2U);
    e.Sonde->Liberer();
}

TEST_F(DisquesFenetreTest, SondeBloqueeNeFigePasLaFenetre) {
    e.Montages.Changer(RacineOverlay);
    reg.WriteString(e.Res(), "ListeDisques", "C");
    e.Sonde->Bloquer("/");
    TPulsodexForm& f = e.Demarrer();
    EXPECT_EQ(LegendeDisque(*f.Disque(1), FormatNombres{}), "C: Indisponible");
    for (int i = 0; i < 200; ++i) {
        f.MinuterieTimer();
        f.HeureTimerTimer();
    }
    EXPECT_EQ(e.Sonde->Bloquees(), 1);
    EXPECT_EQ(e.Disques.NombreSondes(), 1U);
    e.Sonde->Liberer();
}

} // namespace
} // namespace pulsodex::test
