#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "FenetreEssai.h"
#include "core/commun/Trace.h"
#include "ui/app/ApplicationPulsodex.h"
#include "ui/app/CoolBar.h"
#include "ui/app/Panneaux.h"
#include "ui/shell/TQuitterForm.h"
#include "ui/shell/TTaskBarIcon.h"

namespace pulsodex::test {
namespace {

class FenetreTest : public ::testing::Test {
protected:
    FenetreEssai e;
    RegistreMemoire& reg = e.Reg;
};

TEST_F(FenetreTest, DeuxAffichagesSansMasquageConstruisentUneFois) {
    TPulsodexForm& f = e.Demarrer();
    EXPECT_EQ(f.NombreConstructions(), 1);
    f.hide(); // simple masquage, sans démontage (zone de notification)
    f.show();
    QApplication::processEvents();
    EXPECT_EQ(f.NombreConstructions(), 1);
    f.Cacher();
    f.show();
    EXPECT_EQ(f.NombreConstructions(), 2);
}

TEST_F(FenetreTest, LeDemontageEnregistrePositionEtLargeur) {
    TPulsodexForm& f = e.Demarrer();
    f.setGeometry(100, 50, 300, f.height());
    f.Cacher();
    EXPECT_EQ(reg.Lire(e.Res(), "DecalageHaut"), "50");
    EXPECT_EQ(reg.Lire(e.Res(), "DecalageGauche"), "100");
    EXPECT_EQ(reg.Lire(e.Res(), "Longueur"), "300");
    // Un second masquage ne réécrit rien.
    reg.WriteString(e.Res(), "Longueur", "1");
    f.Cacher();
    EXPECT_EQ(reg.Lire(e.Res(), "Longueur"), "1");
}

TEST_F(FenetreTest, PositionStockeeRameneeSurLEcran) {
    struct Cas {
        const char* haut;
        const char* gauche;
        QPoint attendu;
    };
    const Cas cas[] = {{"-5", "-1", {0, 0}}, {"20", "1200", {1100, 20}}, {"10", "10", {10, 10}}};
    for (const auto& k : cas) {
        FenetreEssai essai;
        essai.Reg.WriteString(essai.Res(), "DecalageHaut", k.haut);
        essai.Reg.WriteString(essai.Res(), "DecalageGauche", k.gauche);
        TPulsodexForm& f = essai.Demarrer();
        EXPECT_EQ(f.pos(), k.attendu) << k.haut << "," << k.gauche;
        EXPECT_EQ(f.width(), 180);
    }
    // Sous le bas de la zone : le bord bas touche celui de la zone.
    FenetreEssai bas;
    bas.Reg.WriteString(bas.Res(), "DecalageHaut", "5000");
    TPulsodexForm& f = bas.Demarrer();
    EXPECT_EQ(f.y() + f.height(), 1000);
}

TEST_F(FenetreTest, BandesFixesSelonLesReglages) {
    reg.WriteString(e.Res(), "Date", "Non");
    reg.WriteString(e.Res(), "Heure", "Non");
    reg.WriteString(e.Res(), "Mem", "Non");
    reg.WriteString(e.Res(), "ChargeProcesseur", "Oui");
    reg.WriteString(e.Res(), "Bord", "Relief");
    e.Mesureur.Hauteur = 13;
    TPulsodexForm& f = e.Demarrer();
    EXPECT_FALSE(Enfant<PanneauBande>(f, "DateHeurePanel")->isVisible());
    EXPECT_FALSE(Enfant<PanneauBande>(f, "MemPanel")->isVisible());
    EXPECT_TRUE(Enfant<PanneauBande>(f, "RealMemPanel")->isVisible());
    EXPECT_TRUE(Enfant<PanneauBande>(f, "MemoryLoadPanel")->isVisible());
    EXPECT_TRUE(Enfant<PanneauBande>(f, "CpuPanel")->isVisible());
    EXPECT_FALSE(Enfant<PanneauBande>(f, "CpuMoyPanel")->isVisible());
    // h = 13 + 2 : panneaux h + 4, jauges h - 2.
    EXPECT_EQ(Enfant<PanneauBande>(f, "CpuPanel")->height(), 19);
    EXPECT_EQ(Enfant<BoiteJauge>(f, "CpuPaintBox")->height(), 13);
    EXPECT_EQ(Enfant<BoiteJauge>(f, "CpuPaintBox")->geometry().topLeft(), QPoint(3, 3));
    // Trois bandes d'une rangée chacune (hauteur minimale 20) et les bords.
    EXPECT_EQ(f.height(), 3 * 20 + 2 + 2);
    EXPECT_EQ(Enfant<PanneauBande>(f, "MemoryLoadPanel")->toolTip(), "Taux d'utilisation mémoire");
    EXPECT_EQ(Enfant<PanneauBande>(f, "CpuMoyPanel")->toolTip(), "Taux moyen d'utilisation processeur ");
}

TEST_F(FenetreTest, DemarrageMasqueConstruitUneFoisPuisSeRange) {
    reg.WriteString(e.Res(), "Demarrage", "Masqué");
    TTaskBarIcon icone(QIcon(), QStringLiteral("Pulsodex XP V1.0 Béta 2"));
    icone.AfficherApplication = false; // comme au démarrage
    e.Fenetre().FixerIconeBarre(&icone);
    TPulsodexForm& f = e.Demarrer();
    QApplication::processEvents();
    EXPECT_EQ(f.NombreConstructions(), 1);
    // Sans zone de notification (hors écran) : réduite avec une entrée de barre des tâches.
    EXPECT_TRUE(f.DansLaBarre() || f.isMinimized());
    EXPECT_FALSE(f.windowFlags().testFlag(Qt::Tool));
    f.Restaurer();
    QApplication::processEvents();
    EXPECT_FALSE(f.isMinimized());
    EXPECT_TRUE(f.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(f.NombreConstructions(), 1);
    // Une icône qui veut l'entrée de la barre des tâches la laisse à la restauration.
    icone.AfficherApplication = true;
    f.Restaurer();
    EXPECT_FALSE(f.windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(f.isVisible());
    icone.AfficherApplication = false;
    f.Restaurer();
    EXPECT_TRUE(f.windowFlags().testFlag(Qt::Tool));
}

TEST_F(FenetreTest, MenuDansSonOrdre) {
    TPulsodexForm& f = e.Demarrer();
    QStringList textes;
    for (QAction* a : Enfant<QMenu>(f, "OutilsMenu")->actions()) {
        textes << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(textes.join(QLatin1Char('|')).toStdString(),
              "&Configuration|Réorganisation ma&nuelle|Réorganisation &automatique|&Masquer|"
              "&Verrouiller les jauges|-|Erreurs de &lancement|Effacer &fichier des erreurs|-|"
              "Vérifier si une mise à jour est disponible|A&ide|A &propos|-|&Quitter");
    EXPECT_EQ(Enfant<QMenu>(f, "ReorgAuto")->actions().size(), 3);
    EXPECT_TRUE(Enfant<QAction>(f, "AvanceAutoMenu")->isChecked()); // Organisation par défaut : avancée
    EXPECT_FALSE(Enfant<QAction>(f, "enLigneAutoMenu")->isChecked());
    EXPECT_TRUE(Enfant<QAction>(f, "MasquerMenu")->isEnabled());
    EXPECT_TRUE(Enfant<QAction>(f, "QuitterMenu")->isEnabled());
}

TEST_F(FenetreTest, VerrouillageBasculeEtSEnregistre) {
    TPulsodexForm& f = e.Demarrer();
    EXPECT_FALSE(Enfant<QAction>(f, "VerrouillerMenu")->isChecked());
    Enfant<QAction>(f, "VerrouillerMenu")->trigger();
    EXPECT_TRUE(Enfant<QAction>(f, "VerrouillerMenu")->isChecked());
    EXPECT_TRUE(f.Bandes()->Verrouille());
    EXPECT_EQ(reg.Lire(e.Res(), "Verrouillage"), "Oui");
    f.VerrouillerMenuClick();
    EXPECT_EQ(reg.Lire(e.Res(), "Verrouillage"), "Non");
    EXPECT_FALSE(f.Bandes()->Verrouille());
}

TEST_F(FenetreTest, EnregistrementRateDitUneFoisEtLeProgrammeContinue) {
    TPulsodexForm& f = e.Demarrer();
    ASSERT_TRUE(e.Boites.Montrees.empty());
    reg.FaireEchouerDisque(true);
    f.VerrouillerMenuClick();
    f.AvanceAutoMenuClick();
    f.enLigneManuelMenuClick();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_TRUE(e.Boites.Montrees[0].Texte.starts_with("Les réglages n'ont pas pu être enregistrés dans "));
    // Le programme continue : le tic suivant passe, les commandes répondent.
    f.MinuterieTimer();
    EXPECT_TRUE(Enfant<QAction>(f, "VerrouillerMenu")->isChecked());
    // Le disque revient : tout passe, et un nouvel échec sera dit de nouveau.
    reg.FaireEchouerDisque(false);
    f.VerrouillerMenuClick();
    reg.FaireEchouerDisque(true);
    f.VerrouillerMenuClick();
    EXPECT_EQ(e.Boites.Montrees.size(), 2U);
}

TEST_F(FenetreTest, ToucheOOuvreLeMenuAuCoinDeLaFenetre) {
    TPulsodexForm& f = e.Demarrer();
    f.move(40, 30);
    QKeyEvent touche(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, QStringLiteral("o"));
    QApplication::sendEvent(&f, &touche);
    EXPECT_TRUE(Enfant<QMenu>(f, "OutilsMenu")->isVisible());
    EXPECT_EQ(Enfant<QMenu>(f, "OutilsMenu")->pos(), f.mapToGlobal(QPoint(0, 0)));
    Enfant<QMenu>(f, "OutilsMenu")->hide();
}

TEST_F(FenetreTest, ToucheQOuvreLaConfirmation) {
    TPulsodexForm& f = e.Demarrer();
    QKeyEvent touche(QEvent::KeyPress, Qt::Key_Q, Qt::ShiftModifier, QStringLiteral("Q"));
    QApplication::sendEvent(&f, &touche);
    QWidget* modale = FenetreEssai::Modale();
    ASSERT_NE(modale, nullptr);
    EXPECT_EQ(modale->windowTitle().toStdString(), "Quitter Pulsodex");
    static_cast<QDialog*>(modale)->reject();
    EXPECT_FALSE(f.Fermee());
}

TEST_F(FenetreTest, QuitterFermeParLeCheminNormal) {
    TPulsodexForm& f = e.Demarrer();
    f.move(70, 80);
    bool terminee = false;
    QObject::connect(&f, &TPulsodexForm::Terminee, [&terminee] { terminee = true; });
    f.QuitterMenuClick();
    ASSERT_NE(FenetreEssai::Modale(), nullptr);
    FenetreEssai::Modale()->findChild<QPushButton*>("QuitterCmd")->click();
    EXPECT_TRUE(f.Fermee());
    EXPECT_TRUE(terminee);
    EXPECT_FALSE(Enfant<QTimer>(f, "HeureTimer")->isActive());
    EXPECT_FALSE(Enfant<QTimer>(f, "Minuterie")->isActive());
    EXPECT_EQ(reg.Lire(e.Res(), "DecalageGauche"), "70");
    EXPECT_EQ(reg.Lire(e.Res(), "DecalageHaut"), "80");
}

TEST_F(FenetreTest, MasquerDepuisLaConfirmationEtAnnuler) {
    TPulsodexForm& f = e.Demarrer();
    f.QuitterMenuClick();
    ASSERT_NE(FenetreEssai::Modale(), nullptr);
    static_cast<QDialog*>(FenetreEssai::Modale())->reject();
    QApplication::processEvents();
    EXPECT_FALSE(f.Fermee());
    EXPECT_FALSE(f.isMinimized());

    // Entrée choisit « &Masquer », le bouton par défaut.
    f.QuitterMenuClick();
    ASSERT_NE(FenetreEssai::Modale(), nullptr);
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(FenetreEssai::Modale(), &entree);
    QApplication::processEvents();
    EXPECT_FALSE(f.Fermee());
    EXPECT_TRUE(f.DansLaBarre() || f.isMinimized());
    // Rangée sans démontage : rien n'est enregistré.
    EXPECT_FALSE(reg.Lire(e.Res(), "DecalageHaut").has_value());
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

TEST_F(FenetreTest, ExceptionDUnGestionnaireJournaliseeEtIgnoree) {
    TPulsodexForm& f = e.Demarrer();
    auto* application = static_cast<ApplicationPulsodex*>(QCoreApplication::instance());
    application->TraiteErreur = [&f](const std::string& message) {
        f.TraiteErreur(message);
    };
    e.Boites.Repondre(ReponseBoite::Ignorer);
    Fautif fautif;
    QEvent evenement(QEvent::User);
    QApplication::sendEvent(&fautif, &evenement);
    application->TraiteErreur = nullptr;

    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Erreur de l'application : Division par zéro");
    EXPECT_EQ(e.Boites.Montrees[0].Boutons, BoutonsBoite::AbandonnerIgnorer);
    EXPECT_FALSE(f.Fermee());
    const std::string contenu = LireFichier(e.Dossier / "ERREURS.LOG");
    EXPECT_NE(contenu.find("    Module      : TPulsodexForm.Essai\r\n"), std::string::npos);
    EXPECT_NE(contenu.find("    Message     : Division par zéro\r\n"), std::string::npos);
}

TEST_F(FenetreTest, AbandonnerFermeParLeCheminNormal) {
    TPulsodexForm& f = e.Demarrer();
    f.move(12, 13);
    e.Boites.Repondre(ReponseBoite::Abandonner);
    f.TraiteErreur("panne");
    EXPECT_TRUE(f.Fermee());
    EXPECT_EQ(reg.Lire(e.Res(), "DecalageHaut"), "13");
}

TEST(TTaskBarIcon, BulleCoupeeA63Caracteres) {
    const QString longue(80, QLatin1Char('x'));
    EXPECT_EQ(BulleCoupee(longue).size(), 63);
    TTaskBarIcon icone(QIcon(), longue);
    EXPECT_EQ(icone.Bulle().size(), 63);
    EXPECT_FALSE(icone.Visible());
    // Seul le clic gauche fait revenir.
    int restaurations = 0;
    QObject::connect(&icone, &TTaskBarIcon::Restaurer, [&restaurations] { ++restaurations; });
    icone.Activee(QSystemTrayIcon::Context);
    icone.Activee(QSystemTrayIcon::DoubleClick);
    icone.Activee(QSystemTrayIcon::MiddleClick);
    EXPECT_EQ(restaurations, 0);
    icone.Activee(QSystemTrayIcon::Trigger);
    EXPECT_EQ(restaurations, 1);
}

} // namespace
} // namespace pulsodex::test
