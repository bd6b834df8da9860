#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <fstream>

#include "AttentesQt.h"
#include "ConfigEssai.h"
#include "FenetreEssai.h"
#include "ui/adaptateurs/PresentateurQt.h"
#include "ui/app/Peintres.h"
#include "ui/shell/BoitesSansAttente.h"
#include "ui/shell/TMessageForm.h"

namespace pulsodex::test {
namespace {

// Couleurs des réglages : 0x00BBGGRR.
constexpr std::int32_t Gris = 0xC0C0C0;
const QColor GrisQt(192, 192, 192);

TEST(Peintres, BarresEtActiviteAuPixelPres) {
    ConfigEssai config;
    TConfig& c = config.Config;
    c.CouleurFond = Gris;
    struct Cas {
        int pourcent;
        bool inverse;
        int derniere; // la dernière colonne de la couleur, 21 à 40 %
    };
    for (const Cas& k : {Cas{35, false, 69}, Cas{35, true, 129}}) {
        QImage image(200, 10, QImage::Format_RGB32);
        QPainter peintre(&image);
        SetImagePourcent(peintre, image.rect(), k.pourcent, k.inverse, c);
        EXPECT_EQ(image.pixelColor(0, 5), QColor(128, 64, 0)) << k.inverse;
        EXPECT_EQ(image.pixelColor(k.derniere, 9), QColor(128, 64, 0)) << k.inverse;
        EXPECT_EQ(image.pixelColor(k.derniere + 1, 0), GrisQt) << k.inverse;
        SetActivite(peintre, image.rect(), Activite::Ecriture, c);
        EXPECT_EQ(image.pixelColor(100, 5), QColor(128, 0, 0));
    }
}

// Les quatre côtés du biseau d'une bande fixe se voient autour de sa jauge.
TEST(PanneauBande, BiseauEntierAutourDeLaJauge) {
    const QColor sombre(10, 10, 10);
    const QColor clair(250, 250, 250);
    for (const Bord bord : {Bord::Creux, Bord::Relief}) {
        PanneauBande panneau(QStringLiteral("MemPanel"));
        QPalette palette = panneau.palette();
        palette.setColor(QPalette::Dark, sombre);
        palette.setColor(QPalette::Light, clair);
        panneau.setPalette(palette);
        panneau.FixerBord(bord);
        auto* jauge = new BoiteJauge(QStringLiteral("MemPaintBox"));
        jauge->Peindre = [](QPainter& peintre, const QRect& zone) {
            peintre.fillRect(zone, Qt::blue);
        };
        panneau.FixerContenu(jauge);
        panneau.resize(100, 24);
        jauge->resize(jauge->width(), 18);
        const QImage image = panneau.grab().toImage();
        const QColor hautGauche = bord == Bord::Creux ? sombre : clair;
        const QColor basDroite = bord == Bord::Creux ? clair : sombre;
        EXPECT_EQ(image.pixelColor(50, 2), hautGauche);
        EXPECT_EQ(image.pixelColor(2, 12), hautGauche);
        EXPECT_EQ(image.pixelColor(50, 21), basDroite);
        EXPECT_EQ(image.pixelColor(97, 12), basDroite);
        EXPECT_EQ(image.pixelColor(96, 20), QColor(Qt::blue));
    }
}

TEST(Tics, JaugesBullesEtHorlogeDeLaFenetre) {
    FenetreEssai e;
    e.Reg.WriteInteger(e.Res(), "CouleurFond", Gris);
    e.Montre.Moment = {2026, 12, 5, 7, 10, 15, 42, 0};
    TPulsodexForm& f = e.Demarrer();
    // 3 Go libres sur 10 : 30 %, couleur de 21 à 40.
    auto* mem = Enfant<BoiteJauge>(f, "MemPaintBox");
    const QImage image = mem->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 5), QColor(128, 64, 0));
    EXPECT_EQ(image.pixelColor(mem->width() - 1, 5), GrisQt);
    EXPECT_EQ(mem->toolTip().toStdString(), "Mémoire totale disponible (10,00 Go)");
    EXPECT_EQ(Enfant<BoiteJauge>(f, "RealMemPaintBox")->toolTip().toStdString(),
              "Mémoire physique disponible (8,00 Go)");
    // L'horloge se cale sur la minute, puis bat chaque minute ou chaque seconde.
    auto* horloge = Enfant<QTimer>(f, "HeureTimer");
    EXPECT_EQ(Enfant<PanneauBande>(f, "DateHeurePanel")->Texte().toStdString(), "05/12/2026 - 10:15");
    EXPECT_EQ(horloge->interval(), 18000);
    e.Montre.Moment.Seconde = 0;
    e.Montre.Moment.Minute = 16;
    f.HeureTimerTimer();
    EXPECT_EQ(horloge->interval(), 60000);
    f.Config()->ModeRafraichissementHorloge = ModeRafraichissementHorloge::Seconde;
    f.Config()->Date = false;
    f.Config()->ChaineHeure = "hh:nn:ss";
    f.HeureTimerTimer();
    EXPECT_EQ(Enfant<PanneauBande>(f, "DateHeurePanel")->Texte().toStdString(), "10:16:00");
    EXPECT_EQ(horloge->interval(), 1000);
}

TEST(Tics, MinuterieSelonLesBandesEtLaPeriode) {
    struct Cas {
        const char* periode;
        bool horlogeSeule;
        bool active;
        int intervalle;
    };
    const Cas cas[] = {{"250", false, true, 250}, {"1000", true, false, 1000}, {"0", false, false, 0}};
    for (const Cas& k : cas) {
        FenetreEssai e;
        e.Reg.WriteString(e.Res(), "Rafraichissement", k.periode);
        for (const char* nom : {"Mem", "MemPhysique", "MemoryLoad"}) {
            e.Reg.WriteString(e.Res(), nom, k.horlogeSeule ? "Non" : "Oui");
        }
        TPulsodexForm& f = e.Demarrer();
        EXPECT_EQ(Enfant<QTimer>(f, "Minuterie")->isActive(), k.active) << k.periode;
        if (k.active) {
            EXPECT_EQ(Enfant<QTimer>(f, "Minuterie")->interval(), k.intervalle);
        }
        if (!k.active && !k.horlogeSeule) {
            EXPECT_GT(e.Memoire.Lectures, 0); // période nulle : le tic de la construction seul
        }
    }
}

TEST(Tics, MarqueurDeRedemarrage) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    std::ofstream(e.Dossier / "Pulsodex.restart") << "";
    f.MinuterieTimer();
    EXPECT_FALSE(std::filesystem::exists(e.Dossier / "Pulsodex.restart"));
    ASSERT_EQ(e.Lancement.Appels.size(), 1U);
    EXPECT_EQ(e.Lancement.Appels[0].Fichier, "redemarrer-essai");
    EXPECT_EQ(e.Lancement.Appels[0].Parametres, "--maintenant");
    EXPECT_EQ(e.Lancement.Appels[0].Mode, ModeFenetre::Cachee);
    EXPECT_FALSE(f.Fermee());
}

// Un message de l'agenda, actif au lancement.
void EvenementAuLancement(RegistreMemoire& reg, const char* message = "") {
    reg.WriteString("", "NombreEvenement", "1");
    reg.WriteString("Evenement\\0", "Actif", "Oui");
    reg.WriteString("Evenement\\0", "Type", "1");
    reg.WriteString("Evenement\\0", "Message", message);
}

// Une panne d'une sonde pendant un tic : deux boîtes puis la fermeture, code 1 ;
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
        FenetreEssai e;
        EvenementAuLancement(e.Reg);
        e.Boites.GarderOuvertes = true;
        TPulsodexForm& f = e.Demarrer();
        ASSERT_EQ(e.Boites.Ouvertes(), 1U) << k.Cause;
        k.Panne(e);
        (f.*k.Tic)();
        EXPECT_TRUE(e.Boites.Montrees.empty()) << k.Cause;
        EXPECT_FALSE(f.Fermee()) << k.Cause;

        e.Boites.GarderOuvertes = false;
        e.Boites.Fermer();
        // La fin demande la sortie de la boucle principale : elle tourne ici, bornée.
        QTimer garde;
        QObject::connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        garde.start(10000);
        QTimer::singleShot(0, &f, [&f, &k] { (f.*k.Tic)(); });
        EXPECT_EQ(QCoreApplication::exec(), 1) << k.Cause;
        ASSERT_EQ(e.Boites.Montrees.size(), 2U) << k.Cause;
        EXPECT_EQ(e.Boites.Montrees[0].Texte, k.Cause);
        EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Erreur);
        EXPECT_EQ(e.Boites.Montrees[1].Texte, k.Texte);
        EXPECT_EQ(e.Boites.Montrees[1].Legende, "Pulsodex XP V1.0 Béta 2");
        EXPECT_TRUE(f.Fermee()) << k.Cause;
    }
}

// Le message du premier tic : alarme ou agenda, même quand les bandes sont cachées.
TEST(Alarmes, MessageDuPremierTic) {
    struct Cas {
        const char* ressource;
        const char* seuil;
        const char* unite;
        bool bandesCachees;
        const char* sons;
        const char* texte;
        const char* legende;
        std::uint16_t son;
    };
    const Cas cas[] = {
        {"Mémoire", "50", "%", false, "Oui", "La mémoire totale est pratiquement remplie.", "Alarme Pulsodex",
         0x30},
        {"Physique", "4096", "Mo", true, "Non", "La mémoire physique est pratiquement remplie.",
         "Alarme Pulsodex", 0},
        {nullptr, "", "", false, "Oui", "<b>Réunion</b>", "Evénement Pulsodex", 0x40},
    };
    for (const Cas& k : cas) {
        FenetreEssai e;
        if (k.ressource != nullptr) {
            e.Reg.WriteString("", "NombreAvertissements", "1");
            e.Reg.WriteString("Avertissement\\0", "Ressource", k.ressource);
            e.Reg.WriteString("Avertissement\\0", "Seuil", k.seuil);
            e.Reg.WriteString("Avertissement\\0", "Unité", k.unite);
        } else {
            EvenementAuLancement(e.Reg, "<b>Réunion</b>");
        }
        // Horloge et lecteur C seuls : le tic tourne, les règles de mémoire aussi.
        for (const char* bande : {"Mem", "MemPhysique", "MemoryLoad"}) {
            e.Reg.WriteString(e.Res(), bande, k.bandesCachees ? "Non" : "Oui");
        }
        e.Reg.WriteString(e.Res(), "ListeDisques", k.bandesCachees ? "C" : "");
        e.Reg.WriteString(e.Res(), "Sons", k.sons);
        e.Reg.WriteString(e.Res(), "RepeterAvertir", "3");
        TPulsodexForm& f = e.Demarrer();
        ASSERT_EQ(e.Boites.Messages.size(), 1U) << k.texte;
        EXPECT_EQ(e.Boites.Messages[0].Texte, k.texte);
        EXPECT_EQ(e.Boites.Messages[0].Legende, k.legende);
        EXPECT_EQ(e.Boites.Messages[0].Son, k.son) << k.texte;
        // L'alarme revient au 3e tic ; le message de l'agenda, une fois par lancement.
        for (int tic = 0; tic < 3; ++tic) {
            f.MinuterieTimer();
            f.HeureTimerTimer();
        }
        EXPECT_EQ(e.Boites.Messages.size(), k.ressource != nullptr ? 2U : 1U) << k.texte;
    }
}

TEST(Alarmes, AbandonneeQuandUneBoiteEstOuverteEtFermeeAvecLeProgramme) {
    FenetreEssai e;
    e.Reg.WriteString("", "NombreAvertissements", "1");
    e.Reg.WriteString("Avertissement\\0", "Ressource", "Mémoire");
    e.Reg.WriteString("Avertissement\\0", "Seuil", "50");
    e.Reg.WriteString("Avertissement\\0", "Unité", "%");
    e.Boites.GarderOuvertes = true;
    TPulsodexForm& f = e.Demarrer(); // l'alarme du premier tic reste ouverte
    f.Config()->Avertissements[0].Compteur = 0;
    f.MinuterieTimer();
    EXPECT_EQ(e.Boites.Messages.size(), 1U);
    EXPECT_EQ(f.Config()->Avertissements[0].Compteur, 60); // le décompte est posé
    e.Boites.Fermer();
    f.Config()->Avertissements[0].Compteur = 0;
    f.MinuterieTimer();
    EXPECT_EQ(e.Boites.Messages.size(), 2U);
    // Un signal d'arrêt pendant le message : il se ferme avec le programme.
    f.FormClose();
    EXPECT_EQ(e.Boites.Ouvertes(), 0U);
    EXPECT_FALSE(Enfant<QTimer>(f, "HeureTimer")->isActive());
    EXPECT_TRUE(e.Reg.Lire(e.Res() + "\\Emplacement", "Order-1").has_value());
}

TEST(Alarmes, ErreursDeLancementMontreesEtEffacees) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    Enfant<QAction>(f, "ErreursLancementMenu")->trigger();
    const auto fichier = e.Dossier / "Taches.err";
    std::ofstream(fichier) << "(...) Lancement de la tâche \"x\" : Fichier non trouvé.\r\n";
    e.Lancement.Reponse = 31;
    f.ErreursLancementMenuClick();
    ASSERT_EQ(e.Lancement.Appels.size(), 1U);
    EXPECT_EQ(e.Lancement.Appels[0].Fichier, "NotePad.exe");
    EXPECT_EQ(e.Lancement.Appels[0].Parametres, "Taches.err");
    EXPECT_EQ(e.Lancement.Appels[0].Repertoire, e.Dossier.string() + "/");
    e.Boites.Repondre(ReponseBoite::Annuler);
    f.EffacerErreurMenuClick();
    EXPECT_TRUE(std::filesystem::exists(fichier));
    e.Boites.Repondre(ReponseBoite::Ok);
    Enfant<QAction>(f, "EffacerErreurMenu")->trigger();
    EXPECT_FALSE(std::filesystem::exists(fichier));
    e.Boites.Repondre(ReponseBoite::Ok);
    f.EffacerErreurMenuClick(); // rien à effacer : rien après la question
    const std::vector<std::string> attendus = {
        "Aucune erreur de lancement de tâche n'a été rencontrée.",
        "Il n'existe pas d'associations à ce fichier. (NotePad.exe)",
        "Voulez-vous effacer le fichier de lancement des erreurs?",
        "Voulez-vous effacer le fichier de lancement des erreurs?",
        "Fichier des erreurs de lancement de tâche effacé.",
        "Voulez-vous effacer le fichier de lancement des erreurs?",
    };
    std::vector<std::string> textes;
    for (const auto& b : e.Boites.Montrees) {
        textes.push_back(b.Texte);
    }
    EXPECT_EQ(textes, attendus);
    EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Avertissement);
    EXPECT_EQ(e.Boites.Montrees[2].Boutons, BoutonsBoite::OkAnnuler);
    EXPECT_EQ(e.Boites.Sons, (std::vector<std::uint16_t>{0x20, 0x20, 0x20})); // une par question
}

TEST(TMessageForm, DispositionTexteBrutEtSuiteALaFermeture) {
    TMessageForm f;
    EXPECT_EQ(f.size(), QSize(313, 115));
    EXPECT_EQ(f.MessageLabel->geometry(), QRect(60, 16, 241, 53));
    EXPECT_EQ(f.OkCmd->text().toStdString(), "&Continuer");
    EXPECT_EQ(f.Timer1->interval(), 1000);
    f.Timer1Timer();
    EXPECT_TRUE(f.Clignote());
    f.MessageLabel->setText(QString(2000, QLatin1Char('x')));
    EXPECT_EQ(f.size(), QSize(313, 115)); // ne grandit pas

    int fermetures = 0;
    for (const char* legende : {"Alarme Pulsodex", ""}) {
        AfficheMessage("<i>bonjour</i>", legende, 0, [&fermetures] { ++fermetures; });
        auto* message = qobject_cast<TMessageForm*>(QApplication::activeModalWidget());
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->windowTitle().toStdString(), *legende != '\0' ? legende : "Message Pulsodex");
        EXPECT_EQ(message->MessageLabel->text().toStdString(), "<i>bonjour</i>");
        EXPECT_EQ(message->MessageLabel->textFormat(), Qt::PlainText);
        message->OkCmd->click();
    }
    EXPECT_EQ(fermetures, 2);
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
    EXPECT_TRUE(AttendreEnTraitantLesEvenements([&] { return battements >= 5; }, std::chrono::seconds(5)));
    EXPECT_EQ(NombreBoitesOuvertes(), 1);
    FermerBoitesOuvertes(); // fin du programme : sans suite
    EXPECT_EQ(NombreBoitesOuvertes(), 0);
    EXPECT_EQ(fins, 0);
}

// Sans interaction (--capture), aucune boîte ne s'ouvre et chacune prend sa
// réponse la plus prudente ; la suite vient après l'appel.
TEST(BoitesSansAttente, SansInteractionLaReponsePrudente) {
    struct Cas {
        BoutonsBoite boutons;
        ReponseBoite attendue;
    };
    const Cas cas[] = {{BoutonsBoite::OuiNon, ReponseBoite::Non},
                       {BoutonsBoite::OkAnnuler, ReponseBoite::Annuler},
                       {BoutonsBoite::AbandonnerIgnorer, ReponseBoite::Ignorer},
                       {BoutonsBoite::Ok, ReponseBoite::Ok}};
    PresentateurQt boites(false);
    for (const Cas& k : cas) {
        const int boutons = static_cast<int>(k.boutons);
        EXPECT_EQ(boites.Boite("?", "Pulsodex", IconeBoite::Question, k.boutons), k.attendue) << boutons;
        std::optional<ReponseBoite> suite;
        boites.Ouvrir("?", "Pulsodex", IconeBoite::Question, k.boutons,
                      [&suite](ReponseBoite r) { suite = r; });
        EXPECT_FALSE(suite.has_value()) << boutons;
        QApplication::processEvents();
        EXPECT_EQ(suite, k.attendue) << boutons;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    // Un profil neuf capturé : la question de mise à jour reçoit « Non ».
    RegistreMemoire reg;
    EcranFactice ecran;
    ListeDemarrageMemoire demarrages;
    LocaleFrancaise locale;
    TConfig config(
        TConfig::Services{reg, boites, ecran, demarrages, locale, nullptr, "/opt/pulsodex/pulsodex"});
    config.ChargeTout();
    EXPECT_FALSE(config.TestMiseAJour);
    EXPECT_EQ(reg.Lire("", "TestMiseAJour"), "Non");
}

} // namespace
} // namespace pulsodex::test
