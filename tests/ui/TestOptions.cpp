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

#include "ConfigEssai.h"
#include "FenetreEssai.h"
#include "core/config/dialog/TOptionsForm.h"
#include "ui/app/Panneaux.h"
#include "ui/config/TOptionsFormQt.h"

namespace pulsodex::test {
namespace {

class OptionsQtTest : public ::testing::Test {
protected:
    void SetUp() override {
        e.DejaLance();
        e.Config.ChargeTout();
        CarteLecteurs carte;
        carte.Fixer('C', "/");
        carte.Fixer('D', "/home");
        etat = std::make_unique<TOptionsForm>(ServicesOptions{e.Config,
                                                              e.Boites,
                                                              e.Locale,
                                                              {"DejaVu Sans", "MS Sans Serif"},
                                                              true,
                                                              {3},
                                                              carte,
                                                              nullptr,
                                                              nullptr,
                                                              {}});
        fenetre = std::make_unique<TOptionsFormQt>(*etat, [this] { return ecritureReussie; });
    }
    template <typename W>
    W* Widget(const char* nom) {
        auto* w = fenetre->findChild<W*>(QString::fromLatin1(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
    ConfigEssai e;
    std::unique_ptr<TOptionsForm> etat;
    std::unique_ptr<TOptionsFormQt> fenetre;
    bool ecritureReussie = true;
};

TEST_F(OptionsQtTest, ChaqueWidgetRefleteSonEtat) {
    EXPECT_EQ(fenetre->windowTitle().toStdString(), "Configuration de Pulsodex XP V1.0 Béta 2");
    // Huit pages, « A&vancé » et « Serveu&rs » cachées.
    ASSERT_EQ(fenetre->Pages->count(), 8);
    EXPECT_FALSE(fenetre->Pages->isTabVisible(2));
    EXPECT_FALSE(fenetre->Pages->isTabVisible(6));
    EXPECT_TRUE(fenetre->Pages->isTabVisible(7));
    EXPECT_EQ(fenetre->Pages->tabText(7).toStdString(), "Mise à jour");

    const std::pair<const char*, CaseACocher*> cases[] = {
        {"DateCheck", &etat->DateCheck},
        {"MemCheck", &etat->MemCheck},
        {"CpuCheck", &etat->CpuCheck},
        {"MemJaugeCheck", &etat->MemJaugeCheck},
        {"CpuJaugeCheck", &etat->CpuJaugeCheck},
        {"CpuJaugeInverseCheck", &etat->CpuJaugeInverseCheck},
        {"TotalCheck", &etat->TotalCheck},
        {"RemplissageCheck", &etat->RemplissageCheck},
        {"SonoreCheck", &etat->SonoreCheck},
        {"ProxyCheck", &etat->ProxyCheck},
        {"MiseAJourCheck", &etat->MiseAJourCheck}};
    for (const auto& [nom, etatCase] : cases) {
        auto* w = Widget<QCheckBox>(nom);
        EXPECT_EQ(w->isChecked(), etatCase->Coche()) << nom;
        EXPECT_EQ(w->isEnabled(), etatCase->Active) << nom;
    }
    const std::pair<const char*, BoutonRadio*> radios[] = {{"VisibleOption", &etat->VisibleOption},
                                                           {"ReorgAutoOption", &etat->ReorgAutoOption},
                                                           {"MemOctetOption", &etat->MemOctetOption},
                                                           {"ShellOpenOption", &etat->ShellOpenOption},
                                                           {"RepeterOption", &etat->RepeterOption}};
    for (const auto& [nom, etatRadio] : radios) {
        EXPECT_EQ(Widget<QRadioButton>(nom)->isChecked(), etatRadio->Coche()) << nom;
    }
    EXPECT_EQ(Widget<QLineEdit>("RafraichissementBox")->text().toStdString(), "1000");
    EXPECT_EQ(Widget<QLineEdit>("ChaineDateBox")->text().toStdString(), "dd/mm/yyyy");
    EXPECT_EQ(Widget<QLineEdit>("NiceAvertissementBox")->text().toStdString(), "60");
    EXPECT_EQ(Widget<QLineEdit>("DisqueBox")->text().toStdString(), "C ");
    // 52 caractères au plus à la frappe.
    auto* disques = Widget<QLineEdit>("DisqueBox");
    disques->setText(QString(52, QLatin1Char('C')));
    disques->setCursorPosition(52);
    QTest::keyClick(disques, Qt::Key_D, Qt::NoModifier);
    EXPECT_EQ(disques->text().size(), 52);
    EXPECT_EQ(Widget<QComboBox>("DriveBox")->currentText().toStdString(), "C: /");
    EXPECT_EQ(Widget<QComboBox>("CouleurFondCombo")->currentText().toStdString(), "Bouton");
    EXPECT_EQ(Widget<QComboBox>("BordCombo")->currentText().toStdString(), "3D Enfoncé");
    EXPECT_EQ(Widget<QListWidget>("TailleList")->currentItem()->text().toStdString(), "8");
    EXPECT_EQ(Widget<QSlider>("TransparenceBar")->value(), 0);
    EXPECT_FALSE(Widget<QSlider>("TransparenceBar")->isEnabled());
    EXPECT_FALSE(Widget<QLineEdit>("ProxyEdit")->isEnabled());
    EXPECT_EQ(Widget<QLabel>("FontPanel")->text().toStdString(), "AaBbCcDd%0123456789");
}

TEST_F(OptionsQtTest, GestesTransmisAuCoeurEtReglesRefletees) {
    auto* mem = Widget<QCheckBox>("MemCheck");
    mem->click();
    EXPECT_FALSE(etat->MemCheck.Coche());
    EXPECT_FALSE(Widget<QCheckBox>("MemJaugeCheck")->isEnabled()); // règle reflétée
    EXPECT_TRUE(Widget<QCheckBox>("MemJaugeCheck")->isChecked());
    Widget<QRadioButton>("ReorgManuelOption")->click();
    EXPECT_TRUE(etat->ReorgManuelOption.Coche());
    EXPECT_FALSE(Widget<QRadioButton>("ReorgAutoOption")->isChecked());
    // Un bouton radio déjà coché le reste.
    Widget<QRadioButton>("ReorgManuelOption")->click();
    EXPECT_TRUE(Widget<QRadioButton>("ReorgManuelOption")->isChecked());
    Widget<QCheckBox>("TransparenceCheck")->click();
    Widget<QSlider>("TransparenceBar")->setValue(30);
    EXPECT_EQ(Widget<QLabel>("TransparenceLabel")->text().toStdString(), "30 %");
    // La taille choisie au clavier atteint l'aperçu comme au clic.
    auto* tailles = Widget<QListWidget>("TailleList");
    tailles->setFocus();
    QTest::keyClick(tailles, Qt::Key_Down);
    EXPECT_EQ(tailles->currentItem()->text().toStdString(), "9");
    EXPECT_EQ(etat->FontPanel.Fonte.Taille, 9);
    // Les zones numériques ne prennent que des chiffres.
    auto* periode = Widget<QLineEdit>("RafraichissementBox");
    periode->setFocus();
    periode->selectAll();
    for (const char* t : {"a", "5", "x", "0"}) {
        QKeyEvent touche(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromLatin1(t));
        QApplication::sendEvent(periode, &touche);
    }
    EXPECT_EQ(periode->text().toStdString(), "50");
    EXPECT_EQ(etat->RafraichissementBox.Texte, "50");
    // Ajout d'un disque : le texte suit.
    Widget<QComboBox>("DriveBox")->setCurrentIndex(1);
    etat->DriveBox.Selection = 1;
    Widget<QPushButton>("AjouterDisqueCmd")->click();
    EXPECT_EQ(Widget<QLineEdit>("DisqueBox")->text().toStdString(), "C D ");
    // Style : l'exemple suit.
    auto* style = Widget<QComboBox>("StyleCombo");
    style->setCurrentIndex(2);
    emit style->activated(2);
    EXPECT_TRUE(Widget<QLabel>("FontPanel")->font().bold());
}

TEST_F(OptionsQtTest, OkRefuseUneZoneInvalideEtRendLeFocus) {
    fenetre->show();
    etat->CpuMoyEdit.Texte.clear();
    fenetre->Refleter();
    fenetre->OkCmd->click();
    EXPECT_FALSE(fenetre->isHidden());
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Valeur entière incorrecte.");
    EXPECT_EQ(Widget<QLineEdit>("CpuMoyEdit")->text().toStdString(), "1");
    fenetre->OkCmd->click();
    EXPECT_EQ(fenetre->result(), QDialog::Accepted);
}

TEST(OptionsFenetre, OuverteDepuisLaFenetreEtReconstruite) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();

    EXPECT_FALSE(Enfant<PanneauBande>(f, "CpuPanel")->isVisible());
    f.FixerObservateurOptions([](TOptionsFormQt& fenetre) {
        QTimer::singleShot(0, &fenetre, [&fenetre] {
            fenetre.findChild<QCheckBox*>(QStringLiteral("CpuCheck"))->click();
            fenetre.SauverCmd->click();
        });
    });
    // La touche « c » ouvre la configuration.
    QKeyEvent touche(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"));
    QApplication::sendEvent(&f, &touche);
    EXPECT_EQ(f.NombreConstructions(), 2);
    EXPECT_TRUE(f.Config()->ChargeProcesseur);
    EXPECT_TRUE(Enfant<PanneauBande>(f, "CpuPanel")->isVisible());
    EXPECT_TRUE(Enfant<QTimer>(f, "HeureTimer")->isActive());
    EXPECT_EQ(e.Reg.Lire(e.Res(), "ChargeProcesseur"), "Oui");
    EXPECT_TRUE(e.Reg.SectionExiste("Lecteurs"));

    // « Annuler » : rien ne change, mais la fenêtre est reconstruite.
    f.FixerObservateurOptions([](TOptionsFormQt& fenetre) {
        QTimer::singleShot(0, &fenetre, [&fenetre] {
            fenetre.findChild<QCheckBox*>(QStringLiteral("CpuCheck"))->click();
            fenetre.CancelBtn->click();
        });
    });
    Enfant<QAction>(f, "ConfigurationMenu")->trigger();
    EXPECT_EQ(f.NombreConstructions(), 3);
    EXPECT_TRUE(f.Config()->ChargeProcesseur);

    // « Ok » applique sans écrire les réglages, mais garde la carte des lettres.
    e.Reg.EraseSection("Lecteurs");
    f.FixerObservateurOptions([](TOptionsFormQt& fenetre) {
        QTimer::singleShot(0, &fenetre, [&fenetre] {
            fenetre.findChild<QCheckBox*>(QStringLiteral("CpuCheck"))->click();
            fenetre.OkCmd->click();
        });
    });
    Enfant<QAction>(f, "ConfigurationMenu")->trigger();
    EXPECT_FALSE(f.Config()->ChargeProcesseur);
    EXPECT_EQ(e.Reg.Lire(e.Res(), "ChargeProcesseur"), "Oui");
    EXPECT_EQ(e.Reg.Lire("Lecteurs", "C"), "/");
}

} // namespace
} // namespace pulsodex::test
