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

TEST(Tics, JaugesBullesEtHorlogeDeLaFenetre) {
    FenetreEssai e;
    e.Reg.WriteInteger(e.Res(), "CouleurFond", Gris);
    e.Montre.Moment = {2026, 12, 5, 7, 10, 15, 42, 0};
    TPulsodexForm& f = e.Demarrer();
    // 3 Go libres sur 10 : 30 %, couleur de 21 à 40.
    auto* mem = Enfant<BoiteJauge>(f, "MemPaintBox");
    ASSERT_EQ(mem->width(), 170);
    const QImage image = mem->grab().toImage();
    EXPECT_EQ(image.pixelColor(50, 12), QColor(128, 64, 0)); // 51 colonnes
    EXPECT_EQ(image.pixelColor(51, 0), GrisQt);
    EXPECT_EQ(mem->toolTip().toStdString(), "Mémoire totale disponible (10,00 Go)");
    // L'horloge se cale sur la minute, puis bat chaque seconde.
    EXPECT_EQ(Enfant<PanneauBande>(f, "DateHeurePanel")->Texte().toStdString(), "05/12/2026 - 10:15");
    EXPECT_EQ(Enfant<QTimer>(f, "HeureTimer")->interval(), 18000);
    f.Config()->ModeRafraichissementHorloge = ModeRafraichissementHorloge::Seconde;
    f.Config()->Date = false;
    f.Config()->ChaineHeure = "hh:nn:ss";
    f.HeureTimerTimer();
    EXPECT_EQ(Enfant<PanneauBande>(f, "DateHeurePanel")->Texte().toStdString(), "10:15:42");
    EXPECT_EQ(Enfant<QTimer>(f, "HeureTimer")->interval(), 1000);
}

// Période nulle : pas de minuteur, mais le tic de la construction a lu la mémoire.
TEST(Tics, MinuterieSelonLesBandesEtLaPeriode) {
    struct Cas {
        const char* periode;
        const char* bandes; // « Non » : l'horloge seule
        int intervalle;     // 0 : arrêtée
    };
    for (const Cas& k : {Cas{"250", "Oui", 250}, Cas{"1000", "Non", 0}, Cas{"0", "Oui", 0}}) {
        FenetreEssai e;
        e.Reg.WriteString(e.Res(), "Rafraichissement", k.periode);
        for (const char* nom : {"Mem", "MemPhysique", "MemoryLoad"}) {
            e.Reg.WriteString(e.Res(), nom, k.bandes);
        }
        const auto* minuterie = Enfant<QTimer>(e.Demarrer(), "Minuterie");
        EXPECT_EQ(minuterie->isActive() ? minuterie->interval() : 0, k.intervalle) << k.periode;
        EXPECT_GT(e.Memoire.Lectures, 0) << k.periode;
    }
}

TEST(Tics, MarqueurDeRedemarrage) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    std::ofstream(e.Dossier / "Pulsodex.restart") << "";
    f.MinuterieTimer();
    EXPECT_FALSE(std::filesystem::exists(e.Dossier / "Pulsodex.restart"));
    ASSERT_EQ(e.Lancement.Appels.size(), 1U);
    EXPECT_EQ(e.Lancement.Appels[0].Fichier + " " + e.Lancement.Appels[0].Parametres,
              "redemarrer-essai --maintenant");
    EXPECT_FALSE(f.Fermee());
}

// Un message de l'agenda, actif au lancement.
void EvenementAuLancement(RegistreMemoire& reg) {
    reg.WriteString("", "NombreEvenement", "1");
    reg.WriteString("Evenement\\0", "Actif", "Oui");
    reg.WriteString("Evenement\\0", "Type", "1");
}

// Une règle d'alarme, la seule.
void Regle(RegistreMemoire& reg, const char* ressource, const char* seuil, const char* unite) {
    reg.WriteString("", "NombreAvertissements", "1");
    reg.WriteString("Avertissement\\0", "Ressource", ressource);
    reg.WriteString("Avertissement\\0", "Seuil", seuil);
    reg.WriteString("Avertissement\\0", "Unité", unite);
}

// Une panne d'une sonde pendant un tic : deux boîtes puis la fermeture, code 1 ;
// abandonnée sans un mot quand une autre boîte est ouverte.
TEST(TicsFataux, PanneDUnTicFermeLeProgramme) {
    struct Cas {
        void (*Panne)(FenetreEssai&);
        void (TPulsodexForm::*Tic)();
        std::vector<std::string> Textes;
    };
    const Cas cas[] = {
        {[](FenetreEssai& e) { e.Memoire.Echouer = true; },
         &TPulsodexForm::MinuterieTimer,
         {"Lecture de la mémoire impossible", "Une erreur grâve est survenue lors des opérations sur "
                                              "ressources (MinuterieTimer). L'application va se terminer."}},
        {[](FenetreEssai& e) { e.Montre.Echouer = true; },
         &TPulsodexForm::HeureTimerTimer,
         {"Heure illisible", "Une erreur grâve est survenue lors des opérations sur date/heure "
                             "(HeureTimer). L'application va se terminer."}},
    };
    for (const Cas& k : cas) {
        FenetreEssai e;
        EvenementAuLancement(e.Reg);
        e.Boites.GarderOuvertes = true;
        TPulsodexForm& f = e.Demarrer();
        ASSERT_EQ(e.Boites.Ouvertes(), 1U);
        k.Panne(e);
        (f.*k.Tic)();
        EXPECT_TRUE(e.Boites.Montrees.empty());
        EXPECT_FALSE(f.Fermee());

        e.Boites.GarderOuvertes = false;
        e.Boites.Fermer();
        // La fin demande la sortie de la boucle principale : elle tourne ici, bornée.
        QTimer garde;
        QObject::connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        garde.start(10000);
        QTimer::singleShot(0, &f, [&f, &k] { (f.*k.Tic)(); });
        EXPECT_EQ(QCoreApplication::exec(), 1);
        EXPECT_EQ(e.Textes(), k.Textes);
        EXPECT_TRUE(f.Fermee());
    }
}

// L'alarme du premier tic, même quand les bandes sont cachées ; elle revient au 3e tic.
TEST(Alarmes, MessageDuPremierTic) {
    struct Cas {
        const char* ressource;
        const char* seuil;
        const char* unite;
        const char* bandes; // « Non » : bandes de la mémoire cachées, sons éteints
        const char* texte;
        std::uint16_t son;
    };
    const Cas cas[] = {{"Mémoire", "50", "%", "Oui", "La mémoire totale est pratiquement remplie.", 0x30},
                       {"Physique", "4096", "Mo", "Non", "La mémoire physique est pratiquement remplie.", 0}};
    for (const Cas& k : cas) {
        FenetreEssai e;
        Regle(e.Reg, k.ressource, k.seuil, k.unite);
        // Bandes cachées : l'horloge et le lecteur C seuls, les règles de mémoire tournent.
        for (const char* bande : {"Mem", "MemPhysique", "MemoryLoad"}) {
            e.Reg.WriteString(e.Res(), bande, k.bandes);
        }
        e.Reg.WriteString(e.Res(), "ListeDisques", *k.bandes == 'N' ? "C" : "");
        e.Reg.WriteString(e.Res(), "Sons", k.bandes);
        e.Reg.WriteString(e.Res(), "RepeterAvertir", "3");
        TPulsodexForm& f = e.Demarrer();
        ASSERT_EQ(e.Boites.Messages.size(), 1U) << k.texte;
        const auto& m = e.Boites.Messages[0];
        EXPECT_EQ(std::make_tuple(m.Texte, m.Legende, m.Son),
                  std::make_tuple(k.texte, "Alarme Pulsodex", k.son));
        for (int tic = 0; tic < 3; ++tic) {
            f.MinuterieTimer();
        }
        EXPECT_EQ(e.Boites.Messages.size(), 2U) << k.texte;
    }
}

TEST(Alarmes, AbandonneeQuandUneBoiteEstOuverteEtFermeeAvecLeProgramme) {
    FenetreEssai e;
    Regle(e.Reg, "Mémoire", "50", "%");
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
    EXPECT_EQ(e.Lancement.Appels[0].Fichier + " " + e.Lancement.Appels[0].Parametres,
              "NotePad.exe Taches.err");
    EXPECT_EQ(e.Lancement.Appels[0].Repertoire, e.Dossier.string() + "/");
    e.Boites.Repondre(ReponseBoite::Annuler);
    f.EffacerErreurMenuClick();
    EXPECT_TRUE(std::filesystem::exists(fichier));
    e.Boites.Repondre(ReponseBoite::Ok);
    Enfant<QAction>(f, "EffacerErreurMenu")->trigger();
    EXPECT_FALSE(std::filesystem::exists(fichier));
    e.Boites.Repondre(ReponseBoite::Ok);
    f.EffacerErreurMenuClick(); // rien à effacer : rien après la question
    const char* question = "Voulez-vous effacer le fichier de lancement des erreurs?";
    EXPECT_EQ(e.Textes(), (std::vector<std::string>{
                              "Aucune erreur de lancement de tâche n'a été rencontrée.",
                              "Il n'existe pas d'associations à ce fichier. (NotePad.exe)", question,
                              question, "Fichier des erreurs de lancement de tâche effacé.", question}));
    EXPECT_EQ(e.Boites.Montrees[2].Boutons, BoutonsBoite::OkAnnuler);
    EXPECT_EQ(e.Boites.Sons, (std::vector<std::uint16_t>{0x20, 0x20, 0x20})); // une par question
}

TEST(TMessageForm, DispositionTexteBrutEtSuiteALaFermeture) {
    TMessageForm f;
    EXPECT_EQ(f.OkCmd->text().toStdString(), "&Continuer");
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
    const std::pair<BoutonsBoite, ReponseBoite> cas[] = {
        {BoutonsBoite::OuiNon, ReponseBoite::Non},
        {BoutonsBoite::OkAnnuler, ReponseBoite::Annuler},
        {BoutonsBoite::AbandonnerIgnorer, ReponseBoite::Ignorer}};
    PresentateurQt boites(false);
    for (const auto& [boutons, attendue] : cas) {
        EXPECT_EQ(boites.Boite("?", "Pulsodex", IconeBoite::Question, boutons), attendue);
        std::optional<ReponseBoite> suite;
        boites.Ouvrir("?", "Pulsodex", IconeBoite::Question, boutons,
                      [&suite](ReponseBoite r) { suite = r; });
        EXPECT_FALSE(suite.has_value());
        QApplication::processEvents();
        EXPECT_EQ(suite, attendue);
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
    EXPECT_EQ(reg.Lire("", "TestMiseAJour"), "Non");
}

} // namespace
} // namespace pulsodex::test
