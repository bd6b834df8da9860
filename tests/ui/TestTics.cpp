#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTimer>

#include <fstream>

#include "ConfigEssai.h"
#include "FenetreEssai.h"
#include "core/app/ChronoPeinture.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/app/Panneaux.h"
#include "ui/app/Peintres.h"

namespace pulsodex::test {
namespace {

class TicsTest : public ::testing::Test {
protected:
    FenetreEssai e;
    RegistreMemoire& reg = e.Reg;
};

QColor Pixel(QWidget* w, int x, int y) {
    return w->grab().toImage().pixelColor(x, y);
}

TEST_F(TicsTest, BarresPeintesAuPixelPres) {
    ConfigEssai config;
    const TConfig& c = config.Config;
    QImage image(200, 10, QImage::Format_RGB32);
    {
        QPainter peintre(&image);
        SetImagePourcent(peintre, image.rect(), 35, false, c);
    }
    const QColor couleur = CouleurQt(c.Couleur21To40);
    const QColor fond = CouleurQt(c.CouleurFond);
    EXPECT_EQ(image.pixelColor(0, 5), couleur);
    EXPECT_EQ(image.pixelColor(69, 5), couleur);
    EXPECT_EQ(image.pixelColor(70, 5), fond);
    EXPECT_EQ(image.pixelColor(199, 9), fond);
    {
        QPainter peintre(&image);
        SetImagePourcent(peintre, image.rect(), 35, true, c);
    }
    EXPECT_EQ(image.pixelColor(129, 5), couleur);
    EXPECT_EQ(image.pixelColor(130, 5), fond);
    {
        QPainter peintre(&image);
        SetActivite(peintre, image.rect(), Activite::Ecriture, c);
    }
    EXPECT_EQ(image.pixelColor(100, 5), CouleurQt(c.CouleurEcriture));
}

// Les quatre côtés du biseau d'une bande fixe se voient autour de sa jauge.
TEST(PanneauBande, BiseauEntierAutourDeLaJauge) {
    struct Cas {
        Bord bord;
        QColor hautGauche;
        QColor basDroite;
    };
    const QColor sombre(10, 10, 10);
    const QColor clair(250, 250, 250);
    const Cas cas[] = {{Bord::Creux, sombre, clair}, {Bord::Relief, clair, sombre}};
    for (const auto& k : cas) {
        PanneauBande panneau(QStringLiteral("MemPanel"));
        QPalette palette = panneau.palette();
        palette.setColor(QPalette::Dark, sombre);
        palette.setColor(QPalette::Light, clair);
        panneau.setPalette(palette);
        panneau.FixerFond(QColor(200, 200, 200));
        panneau.FixerBord(k.bord);
        auto* jauge = new BoiteJauge(QStringLiteral("MemPaintBox"));
        jauge->Peindre = [](QPainter& peintre, const QRect& zone) {
            peintre.fillRect(zone, Qt::blue);
        };
        panneau.FixerContenu(jauge);
        panneau.resize(100, 24);
        jauge->resize(jauge->width(), 18);
        const QImage image = panneau.grab().toImage();
        EXPECT_EQ(image.pixelColor(50, 2), k.hautGauche) << static_cast<int>(k.bord);
        EXPECT_EQ(image.pixelColor(2, 12), k.hautGauche) << static_cast<int>(k.bord);
        EXPECT_EQ(image.pixelColor(50, 21), k.basDroite) << static_cast<int>(k.bord);
        EXPECT_EQ(image.pixelColor(97, 12), k.basDroite) << static_cast<int>(k.bord);
        EXPECT_EQ(image.pixelColor(96, 20), QColor(Qt::blue)) << static_cast<int>(k.bord);
    }
}

TEST_F(TicsTest, JaugesDeLaFenetreEtBulles) {
    // 3 Go libres sur 10 : 30 %, couleur de 21 à 40.
    TPulsodexForm& f = e.Demarrer();
    EXPECT_EQ(Pixel(Enfant<BoiteJauge>(f, "MemPaintBox"), 2, 5), QColor(128, 64, 0));
    EXPECT_EQ(
        Pixel(Enfant<BoiteJauge>(f, "MemPaintBox"), Enfant<BoiteJauge>(f, "MemPaintBox")->width() - 1, 5),
        CouleurQt(f.Config()->CouleurFond));
    EXPECT_EQ(Enfant<BoiteJauge>(f, "MemPaintBox")->toolTip().toStdString(),
              "Mémoire totale disponible (10,00 Go)");
    EXPECT_EQ(Enfant<BoiteJauge>(f, "RealMemPaintBox")->toolTip().toStdString(),
              "Mémoire physique disponible (8,00 Go)");
    EXPECT_EQ(f.Courants().TauxMemoire, 75);
}

TEST_F(TicsTest, HorlogeAlignéeSurLaMinute) {
    e.Montre.Moment = {2026, 12, 5, 7, 10, 15, 42, 0};
    TPulsodexForm& f = e.Demarrer();
    EXPECT_EQ(Enfant<PanneauBande>(f, "DateHeurePanel")->Texte().toStdString(), "05/12/2026 - 10:15");
    EXPECT_EQ(Enfant<QTimer>(f, "HeureTimer")->interval(), 18000);
    EXPECT_TRUE(Enfant<QTimer>(f, "HeureTimer")->isActive());
    e.Montre.Moment.Seconde = 0;
    e.Montre.Moment.Minute = 16;
    f.HeureTimerTimer();
    EXPECT_EQ(Enfant<PanneauBande>(f, "DateHeurePanel")->Texte().toStdString(), "05/12/2026 - 10:16");
    EXPECT_EQ(Enfant<QTimer>(f, "HeureTimer")->interval(), 60000);

    f.Config()->ModeRafraichissementHorloge = ModeRafraichissementHorloge::Seconde;
    f.Config()->Date = false;
    f.Config()->ChaineHeure = "hh:nn:ss";
    f.HeureTimerTimer();
    EXPECT_EQ(Enfant<PanneauBande>(f, "DateHeurePanel")->Texte().toStdString(), "10:16:00");
    EXPECT_EQ(Enfant<QTimer>(f, "HeureTimer")->interval(), 1000);
}

TEST_F(TicsTest, RafraichissementArreteQuandSeuleLHorlogeEstAffichee) {
    for (const char* nom : {"Mem", "MemPhysique", "MemoryLoad"}) {
        reg.WriteString(e.Res(), nom, "Non");
    }
    reg.WriteString(e.Res(), "ListeDisques", ""); // aucun disque
    TPulsodexForm& f = e.Demarrer();
    EXPECT_FALSE(Enfant<QTimer>(f, "Minuterie")->isActive());
    EXPECT_EQ(e.Processeur.Lectures, 0);

    FenetreEssai autre;
    autre.Reg.WriteString(autre.Res(), "Rafraichissement", "250");
    TPulsodexForm& g = autre.Demarrer();
    EXPECT_TRUE(Enfant<QTimer>(g, "Minuterie")->isActive());
    EXPECT_EQ(Enfant<QTimer>(g, "Minuterie")->interval(), 250);

    FenetreEssai nul;
    nul.Reg.WriteString(nul.Res(), "Rafraichissement", "0");
    TPulsodexForm& h = nul.Demarrer();
    EXPECT_FALSE(Enfant<QTimer>(h, "Minuterie")->isActive()); // période nulle : jamais en boucle
    EXPECT_GT(nul.Memoire.Lectures, 0);                       // mais le tic a tourné une fois
}

TEST_F(TicsTest, ChronoDeLaPremierePeintureDesValeursRelevees) {
    using namespace std::chrono_literals;
    const Instant lancement{1733490000s};
    int lectures = 0;
    ChronoPremierePeinture chrono(lancement, [&] {
        ++lectures;
        return lancement + 42ms;
    });
    TPulsodexForm& f = e.Fenetre();
    f.FixerChrono(&chrono);
    f.FormCreate();
    // Une jauge peinte avant le premier relevé ne compte pas.
    Enfant<BoiteJauge>(f, "MemPaintBox")->grab();
    EXPECT_EQ(lectures, 0);
    f.show();
    QApplication::processEvents();
    f.grab();
    EXPECT_EQ(chrono.Mesure(), std::optional<double>(42.0));
    EXPECT_EQ(lectures, 1);
    // Les tics et les peintures suivants ne mesurent plus rien.
    f.MinuterieTimer();
    f.grab();
    EXPECT_EQ(lectures, 1);

    // Les lecteurs aussi : une fenêtre qui ne montre qu'un disque.
    FenetreEssai disque;
    for (const char* nom : {"Mem", "MemPhysique", "MemoryLoad", "Date", "Heure"}) {
        disque.Reg.WriteString(disque.Res(), nom, "Non");
    }
    disque.Reg.WriteString(disque.Res(), "ListeDisques", "C");
    ChronoPremierePeinture chronoDisque(lancement, [&] { return lancement + 7ms; });
    disque.Fenetre().FixerChrono(&chronoDisque);
    disque.Demarrer().grab();
    EXPECT_EQ(chronoDisque.Mesure(), std::optional<double>(7.0));
}

TEST_F(TicsTest, MarqueursQuitterEtRedemarrer) {
    TPulsodexForm& f = e.Demarrer();
    std::ofstream(e.Dossier / "Pulsodex.restart") << "";
    f.MinuterieTimer();
    EXPECT_FALSE(std::filesystem::exists(e.Dossier / "Pulsodex.restart"));
    ASSERT_EQ(e.Lancement.Appels.size(), 1U);
    EXPECT_EQ(e.Lancement.Appels[0].Fichier, "systemctl");
    EXPECT_EQ(e.Lancement.Appels[0].Parametres, "reboot");
    EXPECT_EQ(e.Lancement.Appels[0].Mode, ModeFenetre::Cachee);
    EXPECT_FALSE(f.Fermee());

    std::ofstream(e.Dossier / "Pulsodex.quit") << "";
    f.MinuterieTimer();
    EXPECT_TRUE(f.Fermee());
    EXPECT_FALSE(std::filesystem::exists(e.Dossier / "Pulsodex.quit"));
}

// Une panne d'une sonde pendant un tic : deux boîtes puis la fermeture ;
// abandonnée sans un mot quand une autre boîte est ouverte.
TEST(TicsFataux, PanneDUnTicFermeLeProgramme) {
    struct Cas {
        void (*Panne)(FenetreEssai&);
        void (TPulsodexForm::*Tic)();
        const char* Cause;
        const char* Texte;
    };
    const Cas cas[] = {
        {[](FenetreEssai& e) { e.Memoire.Echouer = true; }, &TPulsodexForm::MinuterieTimer,
         "Lecture de la mémoire impossible",
         "Une erreur grâve est survenue lors des opérations sur ressources (MinuterieTimer). L'application "
         "va "
         "se terminer."},
        {[](FenetreEssai& e) { e.Montre.Echouer = true; }, &TPulsodexForm::HeureTimerTimer, "Heure illisible",
         "Une erreur grâve est survenue lors des opérations sur date/heure (HeureTimer). L'application va se "
         "terminer."},
    };
    for (const Cas& k : cas) {
        // Un message de l'agenda reste ouvert : l'erreur est abandonnée.
        FenetreEssai e;
        e.Reg.WriteString("", "NombreEvenement", "1");
        e.Reg.WriteString("Evenement\\0", "Actif", "Oui");
        e.Reg.WriteString("Evenement\\0", "Type", "1");
        e.Boites.GarderOuvertes = true;
        TPulsodexForm& f = e.Demarrer();
        ASSERT_EQ(e.Boites.Ouvertes(), 1U) << k.Cause;
        k.Panne(e);
        (f.*k.Tic)();
        EXPECT_TRUE(e.Boites.Montrees.empty()) << k.Cause;
        EXPECT_FALSE(f.Fermee()) << k.Cause;

        e.Boites.GarderOuvertes = false;
        e.Boites.Fermer();
        (f.*k.Tic)();
        ASSERT_EQ(e.Boites.Montrees.size(), 2U) << k.Cause;
        EXPECT_EQ(e.Boites.Montrees[0].Texte, k.Cause);
        EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Erreur);
        EXPECT_EQ(e.Boites.Montrees[1].Texte, k.Texte);
        EXPECT_EQ(e.Boites.Montrees[1].Legende, "Pulsodex XP V1.0 Béta 2");
        EXPECT_TRUE(f.Fermee()) << k.Cause;
    }
}

} // namespace
} // namespace pulsodex::test
