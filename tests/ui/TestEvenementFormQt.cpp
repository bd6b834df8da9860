#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include "AttentesQt.h"
#include "ui/app/TraductionsQt.h"
#include "ui/shell/ChoixFichierTache.h"
#include "ui/shell/TEvenementFormQt.h"

namespace pulsodex {
namespace {

// Exécute l'éditeur rempli ; l'action agit sur lui une fois ouvert.
std::optional<ResultatEvenement> Executer(const ContenuEvenement& contenu,
                                          const std::function<void(TEvenementFormQt&)>& action) {
    QTimer::singleShot(0, [action] {
        TEvenementFormQt* editeur = TEvenementFormQt::EvenementForm();
        ASSERT_NE(editeur, nullptr);
        action(*editeur);
    });
    return TEvenementFormQt::Editer(nullptr, contenu);
}

const ContenuEvenement Plein{"Bonjour", "sauve", "/opt/outils/sauve.sh", "-v", "/opt/outils/"};

TEST(TEvenementFormQt, PagesZonesEtOrdreDuClavier) {
    TEvenementFormQt f;
    EXPECT_EQ(f.windowTitle().toStdString(), "Propriétés de l'événement");
    EXPECT_EQ(f.PageControl->count(), 2);
    EXPECT_EQ(f.PageControl->tabText(0).toStdString(), "&Message");
    EXPECT_EQ(f.PageControl->tabText(1).toStdString(), "&Tâche");
    EXPECT_EQ(f.PageControl->currentWidget(), f.MessageSheet);
    EXPECT_EQ(f.ParcourirCmd->text().toStdString(), "&Parcourir");
    EXPECT_TRUE(f.OkCmd->isDefault());
    EXPECT_EQ(f.OkCmd->toolTip().toStdString(), "Valide la configuration et retourne à Pulsodex");
    EXPECT_EQ(f.CancelBtn->toolTip().toStdString(), "Annule les modifications et retourne à Pulsodex");
    EXPECT_EQ(f.NomBox->nextInFocusChain(), f.CommandeBox);
    EXPECT_EQ(f.CommandeBox->nextInFocusChain(), f.RepBox);
    EXPECT_EQ(f.RepBox->nextInFocusChain(), f.ParamBox);
    EXPECT_EQ(f.ParamBox->nextInFocusChain(), f.ParcourirCmd);
    EXPECT_EQ(TEvenementFormQt::EvenementForm(), &f);
}

TEST(TEvenementFormQt, TypeRapporteSelonLaPageEtLibereALaFermeture) {
    auto r = Executer(Plein, [](TEvenementFormQt& f) { f.OkCmd->click(); });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Type, TypeEvenement::Message); // la page du message, même si la tâche est remplie
    EXPECT_EQ(r->Contenu, Plein);
    EXPECT_EQ(TEvenementFormQt::EvenementForm(), nullptr);

    r = Executer(Plein, [](TEvenementFormQt& f) {
        EXPECT_EQ(f.PageControl->currentWidget(), f.MessageSheet); // un nouvel éditeur
        f.PageControl->setCurrentWidget(f.TacheSheet);
        f.OkCmd->click();
    });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Type, TypeEvenement::Tache);
    EXPECT_EQ(r->Contenu.Message, "Bonjour");

    EXPECT_FALSE(Executer(Plein, [](TEvenementFormQt& f) {
        f.NomBox->setText(QStringLiteral("autre"));
        f.CancelBtn->click();
    }));
    EXPECT_FALSE(Executer(Plein, [](TEvenementFormQt& f) { f.close(); }));
    EXPECT_EQ(TEvenementFormQt::EvenementForm(), nullptr);
}

TEST(TEvenementFormQt, ParcourirGardeLeNomDonne) {
    TEvenementFormQt f;
    std::optional<QString> choix = QStringLiteral("/opt/outils/sauve.sh");
    f.ChoisirFichier = [&choix] {
        return choix;
    };
    f.ParcourirCmd->click();
    EXPECT_EQ(f.Contenu(), (ContenuEvenement{"", "sauve", "/opt/outils/sauve.sh", "", "/opt/outils/"}));
    choix = QStringLiteral("/usr/local/bin/archiver");
    f.ParcourirCmd->click();
    EXPECT_EQ(f.NomBox->text().toStdString(), "sauve");
    EXPECT_EQ(f.CommandeBox->text().toStdString(), "/usr/local/bin/archiver");
    EXPECT_EQ(f.RepBox->text().toStdString(), "/usr/local/bin/");
    choix.reset(); // annulé : rien ne change
    f.ParcourirCmd->click();
    EXPECT_EQ(f.CommandeBox->text().toStdString(), "/usr/local/bin/archiver");
}

// Les noms montrés par la boîte de choix, une fois le dossier lu.
QStringList Montres(QFileDialog& boite) {
    auto* vue = boite.findChild<QListView*>(QStringLiteral("listView"));
    QStringList noms;
    if (vue == nullptr) {
        return noms;
    }
    const QModelIndex racine = vue->rootIndex();
    for (int i = 0; i < vue->model()->rowCount(racine); ++i) {
        const QModelIndex index = vue->model()->index(i, 0, racine);
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
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    std::unique_ptr<QFileDialog> boite(CreerChoixFichierTache(nullptr));
    EXPECT_EQ(boite->nameFilters(), (QStringList{QStringLiteral("Tous fichiers (*.*)"),
                                                 QStringLiteral("Exécutables (*.bat;*.com;*.exe)")}));
    EXPECT_EQ(boite->selectedNameFilter(), QStringLiteral("Exécutables (*.bat;*.com;*.exe)"));
    boite->setDirectory(dossier.path());
    boite->show();
    const QStringList executables{QStringLiteral("lot.BAT"), QStringLiteral("prog.exe"),
                                  QStringLiteral("sauve.sh")};
    test::AttendreEnTraitantLesEvenements([&] { return Montres(*boite) == executables; },
                                          std::chrono::seconds(3));
    EXPECT_EQ(Montres(*boite), executables);

    auto* types = boite->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setCurrentIndex(0);
    QApplication::processEvents();
    EXPECT_EQ(Montres(*boite).size(), 5);

    // Le fichier choisi est rendu avec son chemin complet.
    // Le nom tapé comme l'utilisateur le ferait ; la boîte se ferme dans tous les cas.
    QTimer::singleShot(0, [&] {
        auto* nom = boite->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nom, nullptr);
        nom->setText(QStringLiteral("sauve.sh"));
        static_cast<QDialog*>(boite.get())->accept();
        if (boite->isVisible()) {
            boite->reject();
        }
    });
    ASSERT_EQ(boite->exec(), QDialog::Accepted);
    EXPECT_EQ(boite->selectedFiles(), QStringList{dossier.filePath(QStringLiteral("sauve.sh"))});
}

// Les textes de Qt lui-même sont français, quelle que soit la langue du bureau.
TEST(ChoixFichierTache, TextesDeQtEnFrancais) {
    const std::unique_ptr<QTranslator> traduction(ChargerTraductionsQt(*QCoreApplication::instance()));
    ASSERT_NE(traduction, nullptr) << "qt6-translations-l10n absent : scripts/dependances.sh l'installe";
    std::unique_ptr<QFileDialog> boite(CreerChoixFichierTache(nullptr));
    const auto texte = [&boite](const char* nom) {
        const auto* etiquette = boite->findChild<QLabel*>(QString::fromLatin1(nom));
        return etiquette != nullptr ? etiquette->text().toStdString() : std::string("(absente)");
    };
    EXPECT_EQ(texte("lookInLabel"), "Voir dans :");
    EXPECT_EQ(texte("fileNameLabel"), "&Nom de fichier :");
    std::vector<std::string> boutons;
    for (const QPushButton* b : boite->findChildren<QPushButton*>()) {
        boutons.push_back(b->text().toStdString());
    }
    EXPECT_NE(std::find(boutons.begin(), boutons.end(), "&Ouvrir"), boutons.end());
    EXPECT_NE(std::find(boutons.begin(), boutons.end(), "Annuler"), boutons.end());
}

} // namespace
} // namespace pulsodex
