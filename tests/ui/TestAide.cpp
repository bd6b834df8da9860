#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include "FenetreEssai.h"
#include "ui/aide/Aide.h"
#include "ui/aide/FenetreAide.h"

namespace pulsodex::test {
namespace {

class AideTest : public ::testing::Test {
protected:
    void TearDown() override { FermerAide(); }
    static int Defilement() { return FenetreAideOuverte()->Navigateur->verticalScrollBar()->value(); }
};

TEST_F(AideTest, SourceFichierOuIntegree) {
    // Le programme de la construction trouve le fichier copié à côté de lui.
    const QUrl construite = SourceAide(std::filesystem::path(PULSODEX_CONSTRUCTION) / "pulsodex");
    EXPECT_TRUE(construite.isLocalFile());
    EXPECT_TRUE(QFile::exists(construite.toLocalFile()));
    // Ailleurs, la copie intégrée, qui a les trois ancres.
    const QUrl integree = SourceAide("/nulle/part/pulsodex");
    EXPECT_EQ(integree.toString().toStdString(), "qrc:/aide/pulsodex.html");
    QFile ressource(QStringLiteral(":/aide/pulsodex.html"));
    ASSERT_TRUE(ressource.open(QIODevice::ReadOnly));
    const QByteArray contenu = ressource.readAll();
    for (int sujet : {SujetTableauDeBord, SujetConfiguration, SujetFormats}) {
        EXPECT_TRUE(contenu.contains(QByteArray("<a name=\"") + AncreSujet(sujet).c_str() + "\""));
    }
}

TEST_F(AideTest, ChaqueSujetOuvreSonAncre) {
    AfficherAide(SujetTableauDeBord);
    FenetreAide* aide = FenetreAideOuverte();
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(aide->isVisible());
    EXPECT_EQ(aide->windowTitle().toStdString(), "Aide de Pulsodex XP");
    EXPECT_EQ(aide->Navigateur->source().fragment().toStdString(), "sujet1");
    EXPECT_FALSE(aide->Navigateur->document()->isEmpty());
    const int sujet1 = Defilement();

    AfficherAide(SujetConfiguration);
    EXPECT_EQ(FenetreAideOuverte(), aide); // une seule fenêtre
    EXPECT_EQ(aide->Navigateur->source().fragment().toStdString(), "sujet6");
    const int sujet6 = Defilement();
    AfficherAide(SujetFormats);
    const int sujet10 = Defilement();
    EXPECT_LT(sujet1, sujet6);
    EXPECT_LT(sujet6, sujet10);

    // Redemander le même sujet y ramène, même après défilement.
    aide->Navigateur->verticalScrollBar()->setValue(0);
    AfficherAide(SujetFormats);
    EXPECT_EQ(Defilement(), sujet10);
    // Sujet inconnu ou « Sommaire » : le début.
    AfficherAide(42);
    EXPECT_EQ(Defilement(), 0);
    AfficherAide(SujetFormats);
    aide->SommaireCmd->click();
    EXPECT_EQ(Defilement(), 0);
}

TEST_F(AideTest, FermerLibereLaFenetre) {
    AfficherAide(SujetFormats);
    ASSERT_NE(FenetreAideOuverte(), nullptr);
    FermerAide();
    EXPECT_EQ(FenetreAideOuverte(), nullptr);
    FermerAide(); // sans fenêtre : rien
    AfficherAide(SujetFormats);
    QPointer<FenetreAide> aide = FenetreAideOuverte();
    aide->FermerCmd->click();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(aide.isNull());
    EXPECT_EQ(FenetreAideOuverte(), nullptr);
}

TEST_F(AideTest, OuverteDepuisUneBoiteModaleElleResteUtilisable) {
    QDialog boite;
    QPointer<FenetreAide> aide;
    bool sommaireClique = false;
    QTimer::singleShot(0, [&] {
        AfficherAide(SujetConfiguration);
        aide = FenetreAideOuverte();
        ASSERT_FALSE(aide.isNull());
        EXPECT_EQ(aide->parentWidget(), &boite);
        // Un clic envoyé par le système de fenêtres n'est pas bloqué par la boîte.
        QWindow* fenetre = aide->windowHandle();
        ASSERT_NE(fenetre, nullptr);
        QPushButton* sommaire = aide->SommaireCmd;
        aide->Navigateur->verticalScrollBar()->setValue(50);
        QTest::mouseClick(fenetre, Qt::LeftButton, {}, sommaire->mapTo(aide, sommaire->rect().center()));
        sommaireClique = Defilement() == 0;
        boite.accept();
    });
    boite.exec();
    EXPECT_TRUE(sommaireClique);
    // La boîte fermée, l'aide reste ouverte, libre.
    ASSERT_FALSE(aide.isNull());
    EXPECT_EQ(aide->parentWidget(), nullptr);
    EXPECT_TRUE(aide->isVisible());
}

TEST_F(AideTest, UneBoiteDetruiteOuverteNEmportePasLAide) {
    auto* boite = new QDialog;
    QTimer::singleShot(0, [&] {
        AfficherAide(SujetFormats);
        ASSERT_EQ(FenetreAideOuverte()->parentWidget(), boite);
        delete boite;
    });
    boite->exec();
    ASSERT_NE(FenetreAideOuverte(), nullptr);
    EXPECT_TRUE(FenetreAideOuverte()->isVisible());
}

TEST_F(AideTest, MenuAideEtFermetureDuProgramme) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    ASSERT_TRUE(Enfant<QAction>(f, "AideMenu")->isEnabled());
    Enfant<QAction>(f, "AideMenu")->trigger();
    ASSERT_NE(FenetreAideOuverte(), nullptr);
    EXPECT_EQ(FenetreAideOuverte()->Navigateur->source().fragment().toStdString(), "sujet1");
    f.FormClose();
    EXPECT_EQ(FenetreAideOuverte(), nullptr);
}

} // namespace
} // namespace pulsodex::test
