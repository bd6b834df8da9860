#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <fstream>

#include "AttentesQt.h"
#include "DialogueEssai.h"
#include "Fichiers.h"
#include "ui/config/PageAgendaQt.h"
#include "ui/config/PageMessagesQt.h"
#include "ui/config/TOptionsFormQt.h"
#include "ui/shell/ChoixFichierTache.h"
#include "ui/shell/TEvenementFormQt.h"

namespace pulsodex::test {
namespace {

void Focus(QWidget* zone, QEvent::Type type, Qt::FocusReason raison = Qt::TabFocusReason) {
    QFocusEvent evenement(type, raison);
    QApplication::sendEvent(zone, &evenement);
}

// Tape le texte dans la zone comme l'utilisateur.
void Taper(QLineEdit* zone, const char* texte) {
    zone->selectAll();
    QTest::keyClicks(zone, texte);
}

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
    page.AvertirList->setCurrentRow(1);
    EXPECT_TRUE(page.DisqueOption->isChecked());
    EXPECT_EQ(page.SeuilBox->text().toStdString(), "200");
    page.EspaceDisqueCombo->setCurrentIndex(2);
    emit page.EspaceDisqueCombo->activated(2);
    EXPECT_EQ(page.AvertirList->item(1)->text().toStdString(), "Disque E < 200 Mo");
    page.MemoryLoadOption->click();
    Taper(page.SeuilBox, "9x8;7"); // des chiffres, deux au plus
    EXPECT_EQ(d->SeuilBox.Texte, "98");
    Focus(page.SeuilBox, QEvent::FocusIn);
    Focus(page.SeuilBox, QEvent::FocusOut);
    EXPECT_EQ(page.AvertirList->item(1)->text().toStdString(), "Utilisation mémoire > 98 %");
    page.AjouterAvertissementCmd->click();
    EXPECT_EQ(page.AvertirList->currentRow(), 2);
    page.EffacerAvertissementCmd->click();
    EXPECT_EQ(page.AvertirList->count(), 2);
}

TEST_F(PagesOptionsTest, PageAgendaCochesZonesEtRafraichissement) {
    e.Config.Evenements = {Evenement(TypeEvenement::Message, "08:30", ""),
                           Evenement(TypeEvenement::Tache, "", "15")};
    auto d = Ouvrir();
    PageAgendaQt page(*d);
    page.Rafraichir = [&page] {
        page.Refleter();
    };
    page.EvenementList->setCurrentRow(1);
    EXPECT_EQ(page.AvertirRepeterBox->text().toStdString(), "15");
    page.EvenementList->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(d->TempEvenement[1].Actif);
    page.JourList->setCurrentIndex(2);
    emit page.JourList->activated(2);
    page.MoisList->setCurrentIndex(4);
    emit page.MoisList->activated(4);
    // Entrer dans la zone de l'heure la coche ; « 8:5 » devient « 08:05 ».
    Focus(page.AvertirHeureBox, QEvent::FocusIn);
    EXPECT_TRUE(page.AvertirHeureOption->isChecked());
    Taper(page.AvertirHeureBox, "8h:5");
    Focus(page.AvertirHeureBox, QEvent::FocusOut);
    EXPECT_EQ(page.EvenementList->item(1)->text().toStdString(), "Tâche les lundis d'avril à 08:05");
    // Une sortie vers une autre fenêtre n'est pas une sortie de la zone.
    Focus(page.AvertirHeureBox, QEvent::FocusIn);
    Taper(page.AvertirHeureBox, "25:00");
    Focus(page.AvertirHeureBox, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    EXPECT_TRUE(e.Boites.Montrees.empty());
    Focus(page.AvertirHeureBox, QEvent::FocusOut);
    EXPECT_EQ(e.Boites.Montrees.size(), 1U);
    page.EffacerEvenementCmd->click();
    EXPECT_EQ(page.AvertirHeureBox->text().toStdString(), "08:30");
}

// Une heure refusée garde le focus, la zone suivante n'est pas prise ; Entrée
// vérifie la zone avant de valider la boîte.
TEST_F(PagesOptionsTest, HeureRefuseeGardeLeFocusEtEntreeVerifieAvantDeValider) {
    e.Config.Evenements = {Evenement(TypeEvenement::Message, "08:30", "")};
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
    dialogue.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogue));
    page->EvenementList->setCurrentRow(0);
    page->AvertirHeureBox->setFocus(Qt::MouseFocusReason);
    Taper(page->AvertirHeureBox, "24:00");
    page->AvertirRepeterBox->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_TRUE(page->AvertirHeureBox->hasFocus());
    EXPECT_TRUE(page->AvertirHeureOption->isChecked());
    // Quittée vide : au lancement, puis la minute prise coche la répétition.
    page->AvertirRepeterBox->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(page->AvertirRepeterOption->isChecked());
    EXPECT_EQ(page->EvenementList->item(0)->text().toStdString(), "Message tous les jours toutes les heures");
    page->AvertirHeureBox->setFocus(Qt::MouseFocusReason);
    for (const auto& [heure, ouvert] : {std::pair{"99:99", true}, std::pair{"7:30", false}}) {
        Taper(page->AvertirHeureBox, heure);
        QTest::keyClick(page->AvertirHeureBox, Qt::Key_Return);
        EXPECT_EQ(dialogue.isVisible(), ouvert) << heure;
    }
    EXPECT_EQ(e.Boites.Montrees.size(), 2U);
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
    EXPECT_EQ(d->TempEvenement[0].Heure, "07:30");
}

// Un événement ajouté dans la fenêtre de configuration (double clic, éditeur,
// « Parcourir »), « Sauver », et le voilà dans le fichier.
TEST(PagesOptionsSauver, EvenementDansLeFichier) {
    DialogueSur<ConfigFichierEssai> essai;
    auto d = essai.Ouvrir();
    TOptionsFormQt fenetre(*d, [&essai] { return essai.e.Reg.Synchroniser(); });
    fenetre.resize(600, 500);
    fenetre.show();
    fenetre.Pages->setCurrentIndex(5);
    fenetre.findChild<QPushButton*>("AjouterEvenementCmd")->click();
    auto* liste = fenetre.findChild<QListWidget*>("EvenementList");
    QApplication::processEvents(); // la page montrée est disposée
    const QPoint ligne = liste->visualItemRect(liste->item(0)).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, ligne);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, ligne);
    // L'éditeur s'ouvre après le double clic, puis attend.
    QTimer::singleShot(0, [] {
        TEvenementFormQt& editeur = *TEvenementFormQt::EvenementForm();
        EXPECT_EQ(editeur.windowTitle().toStdString(), "Propriétés de l'événement");
        editeur.PageControl->setCurrentWidget(editeur.TacheSheet);
        editeur.ChoisirFichier = [] {
            return QStringLiteral("/opt/outils/sauve.sh");
        };
        editeur.ParcourirCmd->click();
        editeur.ParamBox->setText(QStringLiteral("--vite"));
        editeur.OkCmd->click();
    });
    EXPECT_TRUE(AttendreEnTraitantLesEvenements(
        [liste] { return liste->item(0)->text() == QStringLiteral("Tâche tous les jours à 00:00"); }, 5s));
    fenetre.SauverCmd->click();
    EXPECT_EQ(fenetre.result(), QDialog::Accepted);

    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("Pulsodex.conf"));
    std::ofstream(fichier.toStdString(), std::ios::binary) << essai.e.Stockage.Octets.value_or("");
    QSettings ini(fichier, QSettings::IniFormat);
    const std::pair<const char*, const char*> attendus[] = {{"Evenement/0/Type", "2"},
                                                            {"Evenement/0/Commande", "/opt/outils/sauve.sh"},
                                                            {"Evenement/0/Répertoire", "/opt/outils/"},
                                                            {"Evenement/0/Paramètres", "--vite"}};
    for (const auto& [cle, valeur] : attendus) {
        EXPECT_EQ(ini.value(QString::fromUtf8(cle)).toString().toStdString(), valeur) << cle;
    }
}

// Les noms montrés par la boîte de choix, une fois le dossier lu.
QStringList Montres(QFileDialog& boite) {
    auto* vue = boite.findChild<QListView*>(QStringLiteral("listView"));
    QStringList noms;
    for (int i = 0; vue != nullptr && i < vue->model()->rowCount(vue->rootIndex()); ++i) {
        const QModelIndex index = vue->model()->index(i, 0, vue->rootIndex());
        if ((vue->model()->flags(index) & Qt::ItemIsEnabled) != 0) {
            noms.append(index.data().toString());
        }
    }
    noms.sort();
    return noms;
}

TEST(ChoixFichierTache, DeuxFiltresEtExecutablesDeLinux) {
    QTemporaryDir dossier;
    for (const char* nom : {"notes.txt", "lot.BAT", "prog.exe", "sauve.sh", "sansext"}) {
        QFile f(dossier.filePath(QString::fromLatin1(nom)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(dossier.filePath(QStringLiteral("sauve.sh")),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    std::unique_ptr<QFileDialog> boite(CreerChoixFichierTache(nullptr));
    EXPECT_EQ(boite->selectedNameFilter(), QStringLiteral("Exécutables (*.bat;*.com;*.exe)"));
    boite->setDirectory(dossier.path());
    boite->show();
    const QStringList executables{QStringLiteral("lot.BAT"), QStringLiteral("prog.exe"),
                                  QStringLiteral("sauve.sh")};
    EXPECT_TRUE(AttendreEnTraitantLesEvenements([&] { return Montres(*boite) == executables; }, 3s))
        << Montres(*boite).join(',').toStdString();
    boite->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_EQ(Montres(*boite).size(), 5);
}

} // namespace
} // namespace pulsodex::test
