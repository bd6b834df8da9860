#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "FenetreEssai.h"
#include "core/commun/Trace.h"
#include "ui/app/ApplicationPulsodex.h"
#include "ui/app/CoolBar.h"
#include "ui/shell/TAboutBox.h"
#include "ui/shell/TQuitterForm.h"
#include "ui/shell/TResolutionForm.h"
#include "ui/shell/TTaskBarIcon.h"

namespace pulsodex::test {
namespace {

TEST(Fenetre, MasquerNeReconstruitPasLeDemontageEnregistreUneFois) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    f.hide(); // simple masquage (zone de notification) : pas de démontage
    f.show();
    EXPECT_EQ(f.NombreConstructions(), 1);
    f.setGeometry(100, 50, 300, f.height());
    f.Cacher();
    EXPECT_EQ(e.Reg.Lire(e.Res(), "DecalageHaut"), "50");
    EXPECT_EQ(e.Reg.Lire(e.Res(), "Longueur"), "300");
    e.Reg.WriteString(e.Res(), "Longueur", "1");
    f.Cacher(); // un second démontage ne réécrit rien
    EXPECT_EQ(e.Reg.Lire(e.Res(), "Longueur"), "1");
    f.show();
    EXPECT_EQ(f.NombreConstructions(), 2);
}

// Démarrage masqué sans zone de notification (hors écran) : la fenêtre reste
// joignable, réduite avec son entrée de barre des tâches, et revient.
TEST(Fenetre, DemarrageMasqueSansZoneDeNotificationResteJoignable) {
    FenetreEssai e;
    e.Reg.WriteString(e.Res(), "Demarrage", "Masqué");
    TTaskBarIcon icone(QIcon(), QStringLiteral("Pulsodex XP V1.0 Béta 2"));
    icone.AfficherApplication = false;
    e.Fenetre().FixerIconeBarre(&icone);
    TPulsodexForm& f = e.Demarrer();
    EXPECT_TRUE(f.DansLaBarre() || f.isMinimized());
    EXPECT_FALSE(f.windowFlags().testFlag(Qt::Tool));
    f.Restaurer();
    EXPECT_FALSE(f.isMinimized());
}

// Zone de travail 1280 x 1000, fenêtre de 180 x 84 : la position gardée revient sur l'écran.
TEST(Fenetre, PositionStockeeRameneeSurLEcran) {
    FenetreEssai e;
    e.Reg.WriteString(e.Res(), "DecalageHaut", "5000");
    e.Reg.WriteString(e.Res(), "DecalageGauche", "10");
    EXPECT_EQ(e.Demarrer().pos(), QPoint(10, 916));
}

TEST(Fenetre, BandesFixesSelonLesReglages) {
    FenetreEssai e;
    for (const char* nom : {"Date", "Heure", "Mem"}) {
        e.Reg.WriteString(e.Res(), nom, "Non");
    }
    e.Reg.WriteString(e.Res(), "ChargeProcesseur", "Oui");
    TPulsodexForm& f = e.Demarrer();
    const std::pair<const char*, bool> visibles[] = {{"DateHeurePanel", false}, {"MemPanel", false},
                                                     {"RealMemPanel", true},    {"MemoryLoadPanel", true},
                                                     {"CpuPanel", true},        {"CpuMoyPanel", false}};
    for (const auto& [nom, visible] : visibles) {
        EXPECT_EQ(Enfant<PanneauBande>(f, nom)->isVisible(), visible) << nom;
    }
    // Texte de 13 pixels : jauges de 13 à (3, 3) ; trois rangées de 20 et les bords.
    EXPECT_EQ(Enfant<BoiteJauge>(f, "CpuPaintBox")->geometry().topLeft(), QPoint(3, 3));
    EXPECT_EQ(Enfant<BoiteJauge>(f, "CpuPaintBox")->height(), 13);
    EXPECT_EQ(f.height(), 64);
}

TEST(Fenetre, MenuDansSonOrdreEtVerrouillage) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    QStringList textes;
    for (QAction* a : Enfant<QMenu>(f, "OutilsMenu")->actions()) {
        textes << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(textes.join(QLatin1Char('|')).toStdString(),
              "&Configuration|Réorganisation ma&nuelle|Réorganisation &automatique|&Masquer|"
              "&Verrouiller les jauges|-|Erreurs de &lancement|Effacer &fichier des erreurs|-|"
              "Vérifier si une mise à jour est disponible|A&ide|A &propos|-|&Quitter");
    EXPECT_TRUE(Enfant<QAction>(f, "AvanceAutoMenu")->isChecked()); // organisation par défaut : avancée
    Enfant<QAction>(f, "VerrouillerMenu")->trigger();
    EXPECT_TRUE(f.Bandes()->Verrouille());
    EXPECT_EQ(e.Reg.Lire(e.Res(), "Verrouillage"), "Oui");
}

// La confirmation de « &Quitter » : fermée par le chemin normal, la position est gardée.
TEST(Fenetre, ConfirmationDeQuitter) {
    for (const char* bouton : {"QuitterCmd", "AnnulerCmd"}) {
        FenetreEssai e;
        TPulsodexForm& f = e.Demarrer();
        f.move(70, 80);
        QTest::keyClick(&f, Qt::Key_Q, Qt::ShiftModifier);
        auto* confirmation = qobject_cast<QDialog*>(FenetreEssai::Modale());
        ASSERT_NE(confirmation, nullptr) << bouton;
        EXPECT_EQ(confirmation->windowTitle().toStdString(), "Quitter Pulsodex");
        confirmation->findChild<QPushButton*>(bouton)->click();
        QApplication::processEvents();
        const bool quitte = *bouton == 'Q';
        EXPECT_EQ(f.Fermee(), quitte) << bouton;
        EXPECT_EQ(e.Reg.Lire(e.Res(), "DecalageGauche"),
                  quitte ? std::optional<std::string>("70") : std::nullopt);
    }
}

// Un objet dont le gestionnaire d'événement échoue.
class Fautif : public QObject {
public:
    bool event(QEvent* evenement) override {
        if (evenement->type() == QEvent::User) {
            FixerTrace("TPulsodexForm.Essai");
            throw std::runtime_error("Division par zéro");
        }
        return QObject::event(evenement);
    }
};

TEST(Fenetre, ExceptionDUnGestionnaireIgnoreeOuAbandonnee) {
    for (const ReponseBoite reponse : {ReponseBoite::Ignorer, ReponseBoite::Abandonner}) {
        FenetreEssai e;
        TPulsodexForm& f = e.Demarrer();
        f.move(12, 13);
        auto* application = static_cast<ApplicationPulsodex*>(QCoreApplication::instance());
        application->TraiteErreur = [&f](const std::string& message) {
            f.TraiteErreur(message);
        };
        e.Boites.Repondre(reponse);
        Fautif fautif;
        QEvent evenement(QEvent::User);
        QApplication::sendEvent(&fautif, &evenement);
        application->TraiteErreur = nullptr;

        EXPECT_EQ(e.Textes(), std::vector<std::string>{"Erreur de l'application : Division par zéro"});
        EXPECT_EQ(e.Boites.Montrees.at(0).Boutons, BoutonsBoite::AbandonnerIgnorer);
        const std::string journal = LireFichier(e.Dossier / "ERREURS.LOG");
        EXPECT_NE(journal.find("    Module      : TPulsodexForm.Essai\r\n"), std::string::npos);
        const bool abandon = reponse == ReponseBoite::Abandonner;
        EXPECT_EQ(f.Fermee(), abandon);
        EXPECT_EQ(e.Reg.Lire(e.Res(), "DecalageHaut"),
                  abandon ? std::optional<std::string>("13") : std::nullopt);
    }
}

// Sans disposition gardée, rien à charger ; la case coupe la question ; le retour
// à la ligne du texte est un vrai saut de ligne.
TEST(TResolutionForm, CaseEtChargerDepuisLaFenetre) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    e.Affichage.TailleCourante = {800, 600};
    f.MinuterieTimer();
    auto* question = qobject_cast<TResolutionForm*>(FenetreEssai::Modale());
    ASSERT_NE(question, nullptr);
    EXPECT_FALSE(question->ChargerCmd->isEnabled());
    EXPECT_EQ(question->Label1->text().indexOf(QLatin1Char('\r')), -1);
    question->QuestionCheck->click();
    question->AnnulerCmd->click();
    QApplication::processEvents();
    EXPECT_EQ(e.Reg.Lire("", "MultiResolution"), "Non");
    e.Affichage.TailleCourante = {640, 480};
    f.MinuterieTimer();
    EXPECT_EQ(FenetreEssai::Modale(), nullptr);
}

// Les boîtes de Qt lui-même (fichiers, boutons) parlent français quelle que soit la langue.
TEST(Fenetre, TextesDeQtEnFrancais) {
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:").toStdString(), "Voir dans :");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Annuler");
}

} // namespace
} // namespace pulsodex::test
