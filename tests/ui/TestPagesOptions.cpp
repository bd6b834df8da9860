#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "AttentesQt.h"
#include "DialogueEssai.h"
#include "FenetreEssai.h"
#include "ReglagesEssai.h"
#include "core/config/dialog/TOptionsForm.h"
#include "ui/config/PageAgendaQt.h"
#include "ui/config/PageMessagesQt.h"
#include "ui/config/TOptionsFormQt.h"
#include "ui/shell/TEvenementFormQt.h"

namespace pulsodex::test {
namespace {

void Focus(QWidget* zone, QEvent::Type type) {
    QFocusEvent evenement(type, Qt::TabFocusReason);
    QApplication::sendEvent(zone, &evenement);
}

// Agit sur l'éditeur d'événement dès qu'il est ouvert.
void SurEditeur(std::function<void(TEvenementFormQt&)> action) {
    auto* guet = new QTimer;
    QObject::connect(guet, &QTimer::timeout, guet, [guet, action] {
        if (TEvenementFormQt* editeur = TEvenementFormQt::EvenementForm();
            editeur != nullptr && editeur->isVisible()) {
            guet->deleteLater();
            action(*editeur);
        }
    });
    guet->start(5);
}

constexpr TypeEvenement Message = TypeEvenement::Message;
constexpr TypeEvenement Tache = TypeEvenement::Tache;

TEvenement Evenement(TypeEvenement type, std::string heure, std::string minute) {
    TEvenement e;
    e.Type = type;
    e.Actif = true;
    e.Heure = std::move(heure);
    e.Minute = std::move(minute);
    return e;
}

class PagesOptionsTest : public ::testing::Test, protected DialogueEssai {};

TEST_F(PagesOptionsTest, PageMessagesRefleteEtTransmet) {
    e.Config.Avertissements = {{Ressource::MemoireTotale, 20, Unite::Pourcent, "C", 0},
                               {Ressource::Disque, 200, Unite::Mo, "D", 0}};
    auto d = Ouvrir();
    PageMessagesQt page(*d);
    ASSERT_EQ(page.AvertirList->count(), 2);
    EXPECT_EQ(page.AvertirList->item(1)->text().toStdString(), "Disque D < 200 Mo");
    EXPECT_FALSE(page.MemOption->isEnabled());
    EXPECT_FALSE(page.SeuilBox->isEnabled());
    EXPECT_TRUE(page.MemOption->isChecked());
    EXPECT_EQ(page.AjouterAvertissementCmd->text().toStdString(), "A&jouter un avertissement");
    EXPECT_EQ(page.EspaceDisqueCombo->count(), 3);

    page.AvertirList->setCurrentRow(1);
    EXPECT_EQ(d->AvertirList.Selection, 1);
    EXPECT_TRUE(page.DisqueOption->isChecked());
    EXPECT_FALSE(page.MemOption->isChecked());
    EXPECT_TRUE(page.EspaceDisqueCombo->isEnabled());
    EXPECT_EQ(page.EspaceDisqueCombo->currentText().toStdString(), "D: /home");
    EXPECT_EQ(page.SeuilBox->text().toStdString(), "200");

    page.EspaceDisqueCombo->setCurrentIndex(2);
    emit page.EspaceDisqueCombo->activated(2);
    EXPECT_EQ(page.AvertirList->item(1)->text().toStdString(), "Disque E < 200 Mo");
    page.MemoryLoadOption->click();
    EXPECT_EQ(page.AvertirList->item(1)->text().toStdString(), "Utilisation mémoire > 200 %");
    EXPECT_FALSE(page.MegaOption->isEnabled());
    EXPECT_TRUE(page.PourcentOption->isChecked());
    // Deux caractères au plus pour la frappe, le texte plus long reste.
    EXPECT_EQ(page.SeuilBox->text().toStdString(), "200");
    page.SeuilBox->setFocus();
    QTest::keyClicks(page.SeuilBox, "7");
    EXPECT_EQ(page.SeuilBox->text().toStdString(), "200");
    page.SeuilBox->selectAll();
    QTest::keyClicks(page.SeuilBox, "9x8;7");
    EXPECT_EQ(page.SeuilBox->text().toStdString(), "98");
    EXPECT_EQ(d->SeuilBox.Texte, "98");
    // Plusieurs caractères d'une frappe (méthode de saisie) : refusés ensemble.
    page.SeuilBox->selectAll();
    QKeyEvent plusieurs(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5x"));
    QApplication::sendEvent(page.SeuilBox, &plusieurs);
    EXPECT_EQ(page.SeuilBox->text().toStdString(), "98");
    Focus(page.SeuilBox, QEvent::FocusIn);
    Focus(page.SeuilBox, QEvent::FocusOut);
    EXPECT_EQ(page.AvertirList->item(1)->text().toStdString(), "Utilisation mémoire > 98 %");

    page.AjouterAvertissementCmd->click();
    ASSERT_EQ(page.AvertirList->count(), 3);
    EXPECT_EQ(page.AvertirList->currentRow(), 2);
    EXPECT_EQ(page.AvertirList->item(2)->text().toStdString(), "Utilisation mémoire > 0 %");
    page.EffacerAvertissementCmd->click();
    EXPECT_EQ(page.AvertirList->count(), 2);
    EXPECT_EQ(page.AvertirList->currentRow(), -1);
    EXPECT_FALSE(page.SeuilBox->isEnabled());
}

TEST_F(PagesOptionsTest, PageAgendaCochesZonesEtRafraichissement) {
    e.Config.Evenements = {Evenement(Message, "08:30", ""), Evenement(Tache, "", "15")};
    auto d = Ouvrir();
    PageAgendaQt page(*d);
    int rafraichissements = 0;
    page.Rafraichir = [&] {
        ++rafraichissements;
        page.Refleter();
    };
    ASSERT_EQ(page.EvenementList->count(), 2);
    EXPECT_EQ(page.EvenementList->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(page.JourList->count(), 41);
    EXPECT_EQ(page.MoisList->count(), 13);
    EXPECT_FALSE(page.AttributEvenementCmd->isEnabled());
    EXPECT_EQ(page.AvertirRepeterOption->toolTip().toStdString(), "Répétition m minutes après chaque heure");

    page.EvenementList->setCurrentRow(1);
    EXPECT_GT(rafraichissements, 0);
    EXPECT_TRUE(page.AvertirRepeterOption->isChecked());
    EXPECT_EQ(page.AvertirRepeterBox->text().toStdString(), "15");
    EXPECT_TRUE(page.AttributEvenementCmd->isEnabled());

    // Décocher : l'événement est désactivé, la légende ne change pas.
    page.EvenementList->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(d->TempEvenement[1].Actif);
    EXPECT_EQ(page.EvenementList->item(1)->text().toStdString(),
              "Tâche tous les jours 15 minutes après l'heure");

    page.JourList->setCurrentIndex(2);
    emit page.JourList->activated(2);
    page.MoisList->setCurrentIndex(4);
    emit page.MoisList->activated(4);
    EXPECT_EQ(page.EvenementList->item(1)->text().toStdString(),
              "Tâche les lundis d'avril 15 minutes après l'heure");

    // Entrer dans la zone de l'heure la coche ; « 8:5 » devient « 08:05 ».
    Focus(page.AvertirHeureBox, QEvent::FocusIn);
    EXPECT_TRUE(page.AvertirHeureOption->isChecked());
    EXPECT_EQ(page.AvertirHeureBox->text().toStdString(), "00:00");
    page.AvertirHeureBox->clear();
    QTest::keyClicks(page.AvertirHeureBox, "8h:5");
    EXPECT_EQ(page.AvertirHeureBox->text().toStdString(), "8:5");
    Focus(page.AvertirHeureBox, QEvent::FocusOut);
    EXPECT_EQ(page.AvertirHeureBox->text().toStdString(), "08:05");
    EXPECT_EQ(page.EvenementList->item(1)->text().toStdString(), "Tâche les lundis d'avril à 08:05");

    // Une sortie vers une autre fenêtre n'est pas une sortie de la zone.
    Focus(page.AvertirHeureBox, QEvent::FocusIn);
    page.AvertirHeureBox->setText(QStringLiteral("25:00"));
    emit page.AvertirHeureBox->textEdited(page.AvertirHeureBox->text());
    QFocusEvent activation(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(page.AvertirHeureBox, &activation);
    EXPECT_TRUE(e.Boites.Montrees.empty());
    Focus(page.AvertirHeureBox, QEvent::FocusOut);
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Heure incorrecte. L'heure doit être au format \"hh:mm\".");
    EXPECT_EQ(page.AvertirHeureBox->text().toStdString(), "");
    EXPECT_TRUE(d->Focus.empty()); // rendu au widget

    page.AvertirLancementOption->click();
    EXPECT_EQ(page.EvenementList->item(1)->text().toStdString(), "Tâche les lundis d'avril");
    page.EffacerEvenementCmd->click();
    EXPECT_EQ(page.EvenementList->count(), 1);
    EXPECT_EQ(page.EvenementList->currentRow(), 0);
    EXPECT_EQ(page.AvertirHeureBox->text().toStdString(), "08:30");
}

TEST_F(PagesOptionsTest, HeureRefuseeGardeLeFocusEtLaZoneSuivanteNEntrePas) {
    e.Config.Evenements = {Evenement(Message, "08:30", "")};
    auto d = Ouvrir();
    PageAgendaQt page(*d);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    page.EvenementList->setCurrentRow(0);
    page.AvertirHeureBox->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(page.AvertirHeureBox->hasFocus());
    page.AvertirHeureBox->selectAll();
    QTest::keyClicks(page.AvertirHeureBox, "24:00");
    page.AvertirRepeterBox->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_TRUE(page.AvertirHeureBox->hasFocus());
    EXPECT_EQ(page.AvertirHeureBox->text().toStdString(), "");
    // La zone de la minute n'a pas été prise : sa règle n'a pas tourné.
    EXPECT_TRUE(page.AvertirHeureOption->isChecked());
    // Quittée vide : au lancement, puis la minute prise coche la répétition.
    page.AvertirRepeterBox->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(page.AvertirRepeterBox->hasFocus());
    EXPECT_TRUE(page.AvertirRepeterOption->isChecked());
    EXPECT_EQ(page.EvenementList->item(0)->text().toStdString(), "Message tous les jours toutes les heures");
}

TEST_F(PagesOptionsTest, EntreeVerifieLaZoneAvantDeValider) {
    e.Config.Evenements = {Evenement(Message, "08:30", "")};
    auto d = Ouvrir();
    QDialog dialogue;
    auto* page = new PageAgendaQt(*d, &dialogue);
    auto* ok = new QPushButton(QStringLiteral("Ok"), &dialogue);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialogue, &QDialog::accept);
    auto* disposition = new QVBoxLayout(&dialogue);
    disposition->addWidget(page);
    disposition->addWidget(ok);
    dialogue.open();
    page->EvenementList->setCurrentRow(0);
    Focus(page->AvertirHeureBox, QEvent::FocusIn);

    page->AvertirHeureBox->setText(QStringLiteral("99:99"));
    emit page->AvertirHeureBox->textEdited(page->AvertirHeureBox->text());
    QTest::keyClick(page->AvertirHeureBox, Qt::Key_Return);
    EXPECT_TRUE(dialogue.isVisible());
    EXPECT_EQ(e.Boites.Montrees.size(), 1U);

    page->AvertirHeureBox->setText(QStringLiteral("7:30"));
    emit page->AvertirHeureBox->textEdited(page->AvertirHeureBox->text());
    QTest::keyClick(page->AvertirHeureBox, Qt::Key_Return);
    EXPECT_FALSE(dialogue.isVisible());
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
    EXPECT_EQ(d->TempEvenement[0].Heure, "07:30");
}

TEST_F(PagesOptionsTest, DoubleClicOuvreLesProprietes) {
    e.Config.Evenements = {Evenement(Tache, "08:30", "")};
    auto d = Ouvrir();
    PageAgendaQt page(*d);
    page.resize(500, 400);
    page.show();
    SurEditeur([](TEvenementFormQt& editeur) {
        EXPECT_EQ(editeur.PageControl->currentWidget(), editeur.MessageSheet);
        editeur.MessageBox->setText(QStringLiteral("Réunion"));
        editeur.OkCmd->click();
    });
    const QRect ligne = page.EvenementList->visualItemRect(page.EvenementList->item(0));
    QTest::mouseClick(page.EvenementList->viewport(), Qt::LeftButton, {}, ligne.center());
    QTest::mouseDClick(page.EvenementList->viewport(), Qt::LeftButton, {}, ligne.center());
    ASSERT_TRUE(AttendreEnTraitantLesEvenements(
        [&] { return d->TempEvenement[0].Type == TypeEvenement::Message; }, 2s));
    EXPECT_EQ(d->TempEvenement[0].Message, "Réunion");
    EXPECT_EQ(page.EvenementList->item(0)->text().toStdString(), "Message tous les jours à 08:30");
    EXPECT_TRUE(
        AttendreEnTraitantLesEvenements([] { return TEvenementFormQt::EvenementForm() == nullptr; }, 2s));
}

template <typename W>
W* Enfant(QWidget& parent, const char* nom) {
    auto* w = parent.findChild<W*>(QString::fromLatin1(nom));
    EXPECT_NE(w, nullptr) << nom;
    return w;
}

// Une règle et un événement ajoutés sur les pages de la vraie fenêtre.
void AjouterRegleEtEvenement(QWidget& fenetre, int lecteur, const std::string& legende) {
    Enfant<QPushButton>(fenetre, "AjouterAvertissementCmd")->click();
    Enfant<QRadioButton>(fenetre, "DisqueOption")->click();
    auto* lecteurs = Enfant<QComboBox>(fenetre, "EspaceDisqueCombo");
    lecteurs->setCurrentIndex(lecteur);
    emit lecteurs->activated(lecteur);
    auto* seuil = Enfant<QLineEdit>(fenetre, "SeuilBox");
    seuil->setText(QStringLiteral("500"));
    emit seuil->textEdited(seuil->text());
    Focus(seuil, QEvent::FocusIn);
    Focus(seuil, QEvent::FocusOut);
    EXPECT_EQ(Enfant<QListWidget>(fenetre, "AvertirList")->item(0)->text().toStdString(), legende);

    Enfant<QPushButton>(fenetre, "AjouterEvenementCmd")->click();
    SurEditeur([](TEvenementFormQt& editeur) {
        editeur.PageControl->setCurrentWidget(editeur.TacheSheet);
        editeur.ChoisirFichier = [] {
            return QStringLiteral("/opt/outils/sauve.sh");
        };
        editeur.ParcourirCmd->click();
        editeur.ParamBox->setText(QStringLiteral("--vite"));
        editeur.OkCmd->click();
    });
    Enfant<QPushButton>(fenetre, "AttributEvenementCmd")->click();
    EXPECT_EQ(Enfant<QListWidget>(fenetre, "EvenementList")->item(0)->text().toStdString(),
              "Tâche tous les jours à 00:00");
}

// Le parcours complet : une règle et un événement ajoutés dans la fenêtre de
// configuration, « Sauver », et les voilà dans le fichier des réglages.
TEST(PagesOptionsSauver, RegleEtEvenementDansLeFichier) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("Pulsodex.conf"));
    ReglagesEssai reglages(fichier.toStdString());
    Registre& reg = reglages.Reg;
    reg.WriteString("", "Version", "1.0 Béta 2");
    reg.WriteString("", "TestMiseAJour", "Non");
    PresentateurScripte boites;
    EcranFactice ecran;
    ListeDemarrageMemoire demarrages;
    LocaleFrancaise locale;
    MesureurFactice mesureur;
    TConfig config(
        TConfig::Services{reg, boites, ecran, demarrages, locale, &mesureur, "/opt/pulsodex/pulsodex"});
    config.ChargeTout();
    CarteLecteurs carte;
    carte.Fixer('C', "/");
    carte.Fixer('D', "/home");
    TOptionsForm d(ServicesOptions{config, boites, locale, {"DejaVu Sans"}, true, {3}, carte, {}, {}, {}});
    TOptionsFormQt fenetre(d, [&reg] { return reg.Synchroniser(); });
    EXPECT_EQ(fenetre.Pages->tabText(4).toStdString(), "&Messages");
    EXPECT_EQ(fenetre.Pages->tabText(5).toStdString(), "Agen&da");
    fenetre.show();
    AjouterRegleEtEvenement(fenetre, 1, "Disque D < 500 Mo");
    fenetre.SauverCmd->click();
    EXPECT_EQ(fenetre.result(), QDialog::Accepted);
    EXPECT_TRUE(fenetre.Sauvee());

    QSettings ini(fichier, QSettings::IniFormat);
    const std::pair<const char*, const char*> attendus[] = {
        {"NombreAvertissements", "1"},
        {"Avertissement/0/Ressource", "Disque"},
        {"Avertissement/0/Seuil", "500"},
        {"Avertissement/0/Disque", "D"},
        {"NombreEvenement", "1"},
        {"Evenement/0/Type", "2"},
        {"Evenement/0/Actif", "Oui"},
        {"Evenement/0/Nom", "sauve"},
        {"Evenement/0/Commande", "/opt/outils/sauve.sh"},
        {"Evenement/0/Répertoire", "/opt/outils/"},
        {"Evenement/0/Paramètres", "--vite"},
        {"Evenement/0/Heure", "00:00"},
    };
    for (const auto& [cle, valeur] : attendus) {
        EXPECT_EQ(ini.value(QString::fromUtf8(cle)).toString().toStdString(), valeur) << cle;
    }
}

// Depuis le tableau de bord : « Ok » met la règle et l'événement en service
// sans rien écrire.
TEST(PagesOptionsSauver, OkDepuisLeTableauDeBord) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    f.FixerObservateurOptions([](TOptionsFormQt& fenetre) {
        QTimer::singleShot(0, &fenetre, [&fenetre] {
            AjouterRegleEtEvenement(fenetre, 0, "Disque C < 500 Mo");
            fenetre.OkCmd->click();
        });
    });
    Enfant<QAction>(f, "ConfigurationMenu")->trigger();
    ASSERT_EQ(f.Config()->Avertissements.size(), 1U);
    EXPECT_EQ(f.Config()->Avertissements[0], (TAvertissement{Ressource::Disque, 500, Unite::Mo, "C", 0}));
    ASSERT_EQ(f.Config()->Evenements.size(), 1U);
    EXPECT_EQ(f.Config()->Evenements[0].Commande, "/opt/outils/sauve.sh");
    EXPECT_TRUE(f.Config()->Evenements[0].Actif);
    EXPECT_FALSE(e.Reg.SectionExiste("Avertissement\\0"));
}

} // namespace
} // namespace pulsodex::test
