#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "DialogueEssai.h"
#include "FenetreEssai.h"
#include "ui/config/TOptionsFormQt.h"

namespace pulsodex::test {
namespace {

class OptionsQtTest : public ::testing::Test, protected DialogueEssai {
protected:
    static bool Ecrit() { return true; }
    std::unique_ptr<TOptionsForm> etat = Ouvrir();
    TOptionsFormQt fenetre{*etat, Ecrit};
};

TEST_F(OptionsQtTest, ChaqueWidgetRefleteSonEtat) {
    EXPECT_EQ(fenetre.windowTitle().toStdString(), "Configuration de Pulsodex XP V1.0 Béta 2");
    // Ctrl+Tab et Ctrl+Maj+Tab passent les pages cachées, « A&vancé » et « Serveu&rs ».
    for (const int attendue : {1, 3, 4, 5, 7, 0}) {
        QTest::keyClick(fenetre.Pages, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(fenetre.Pages->currentIndex(), attendue);
    }
    QTest::keyClick(fenetre.Pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fenetre.Pages->currentIndex(), 7);
    const std::pair<const char*, CaseACocher*> cases[] = {
        {"DateCheck", &etat->DateCheck},
        {"CpuJaugeInverseCheck", &etat->CpuJaugeInverseCheck},
        {"TotalCheck", &etat->TotalCheck},
        {"MesuresCheck", &etat->MesuresCheck}};
    for (const auto& [nom, etatCase] : cases) {
        EXPECT_EQ(Enfant<QCheckBox>(fenetre, nom)->isChecked(), etatCase->Coche()) << nom;
        EXPECT_EQ(Enfant<QCheckBox>(fenetre, nom)->isEnabled(), etatCase->Active) << nom;
    }
    EXPECT_TRUE(Enfant<QRadioButton>(fenetre, "ReorgAutoOption")->isChecked());
    EXPECT_EQ(Enfant<QLineEdit>(fenetre, "DisqueBox")->text().toStdString(), "C ");
    EXPECT_EQ(Enfant<QListWidget>(fenetre, "TailleList")->currentItem()->text().toStdString(), "8");
    EXPECT_FALSE(Enfant<QSlider>(fenetre, "TransparenceBar")->isEnabled());
    EXPECT_FALSE(Enfant<QLineEdit>(fenetre, "MesuresPortEdit")->isEnabled());
}

TEST_F(OptionsQtTest, GestesTransmisAuCoeurEtReglesRefletees) {
    Enfant<QCheckBox>(fenetre, "MemCheck")->click();
    EXPECT_FALSE(etat->MemCheck.Coche());
    EXPECT_FALSE(Enfant<QCheckBox>(fenetre, "MemJaugeCheck")->isEnabled()); // règle reflétée
    Enfant<QRadioButton>(fenetre, "ReorgManuelOption")->click();
    EXPECT_TRUE(etat->ReorgManuelOption.Coche());
    EXPECT_FALSE(Enfant<QRadioButton>(fenetre, "ReorgAutoOption")->isChecked());
    Enfant<QCheckBox>(fenetre, "MesuresCheck")->click();
    EXPECT_TRUE(etat->MesuresCheck.Coche());
    EXPECT_TRUE(Enfant<QLineEdit>(fenetre, "MesuresPortEdit")->isEnabled());
    // La taille choisie au clavier atteint l'aperçu comme au clic.
    auto* tailles = Enfant<QListWidget>(fenetre, "TailleList");
    tailles->setFocus();
    QTest::keyClick(tailles, Qt::Key_Down);
    EXPECT_EQ(etat->FontPanel.Fonte.Taille, 9);
    // Les zones numériques ne prennent que des chiffres.
    auto* periode = Enfant<QLineEdit>(fenetre, "RafraichissementBox");
    periode->selectAll();
    QTest::keyClicks(periode, "a5x0");
    EXPECT_EQ(etat->RafraichissementBox.Texte, "50");
    auto* disques = Enfant<QLineEdit>(fenetre, "DisqueBox");
    Enfant<QComboBox>(fenetre, "DriveBox")->setCurrentIndex(1);
    etat->DriveBox.Selection = 1;
    Enfant<QPushButton>(fenetre, "AjouterDisqueCmd")->click();
    EXPECT_EQ(disques->text().toStdString(), "C D ");
}

// Ouverte depuis la fenêtre (touche « c » ou menu), la configuration
// reconstruit la fenêtre quel que soit le bouton ; « Sauver » écrit,
// « Ok » applique sans écrire les réglages mais garde la carte des lettres.
TEST(OptionsFenetre, OuverteDepuisLaFenetreEtReconstruite) {
    struct Cas {
        const char* bouton;
        bool chargeProcesseur;
        std::optional<std::string> ecrit;
    };
    const Cas cas[] = {
        {"SauverCmd", true, "Oui"}, {"CancelBtn", false, std::nullopt}, {"OkCmd", true, std::nullopt}};
    for (const Cas& k : cas) {
        FenetreEssai e;
        TPulsodexForm& f = e.Demarrer();
        e.Reg.EraseSection("Lecteurs");
        f.FixerObservateurOptions([&k](TOptionsFormQt& fenetre) {
            QTimer::singleShot(0, &fenetre, [&fenetre, &k] {
                fenetre.findChild<QCheckBox*>(QStringLiteral("CpuCheck"))->click();
                fenetre.findChild<QPushButton*>(QString::fromLatin1(k.bouton))->click();
            });
        });
        QTest::keyClick(&f, Qt::Key_C);
        EXPECT_EQ(f.NombreConstructions(), 2) << k.bouton;
        EXPECT_EQ(Enfant<PanneauBande>(f, "CpuPanel")->isVisible(), k.chargeProcesseur) << k.bouton;
        EXPECT_TRUE(Enfant<QTimer>(f, "HeureTimer")->isActive());
        EXPECT_EQ(e.Reg.Lire(e.Res(), "ChargeProcesseur"), k.ecrit) << k.bouton;
        EXPECT_EQ(e.Reg.Lire("Lecteurs", "C"),
                  k.bouton == std::string("CancelBtn") ? std::nullopt : std::optional<std::string>("/"));
    }
}

} // namespace
} // namespace pulsodex::test
