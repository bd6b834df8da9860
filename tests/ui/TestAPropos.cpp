#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include "CpuidEssai.h"
#include "FenetreEssai.h"
#include "core/probes/TCpuInfo.h"
#include "ui/aide/Aide.h"
#include "ui/aide/FenetreAide.h"
#include "ui/shell/TAboutBox.h"

namespace pulsodex::test {
namespace {

std::string T(const QLabel* etiquette) {
    return etiquette->text().toStdString();
}

TEST(TAboutBox, TextesEtBoutons) {
    TAboutBox boite;
    boite.FixerSysteme("<b>Debian</b> 12 (Build 1)", "Rise iDragon II");
    boite.show();
    EXPECT_EQ(boite.windowTitle().toStdString(), "A Propos");
    EXPECT_EQ(T(boite.ProductName), "Logiciel Pulsodex XP V1.0 Béta 2");
    EXPECT_TRUE(T(boite.Version).starts_with("Compilé pour Linux ")) << T(boite.Version);
    EXPECT_EQ(T(boite.Copyright), "Tableau de bord résident des ressources du système");
    EXPECT_EQ(T(boite.Comments), "Download gratuit sur http://www.pulsodex.org");
    EXPECT_EQ(T(boite.OSName), "<b>Debian</b> 12 (Build 1)");
    EXPECT_EQ(boite.OSName->textFormat(), Qt::PlainText); // des textes, pas du HTML
}

// Deux ouvertures par le menu montrent les mêmes textes, et chaque boîte est libérée.
TEST(APropos, DeuxOuverturesMontrentLesMemesTextes) {
    FenetreEssai e;
    SourceFixe rise;
    rise.Cpuid = ReponsesDe("RiseRiseRise", 0x520);
    const TCpuInfo info(rise);
    TPulsodexForm& f = e.Demarrer();
    f.FixerCpuInfo(&info);
    for (int fois = 1; fois <= 2; ++fois) {
        Enfant<QAction>(f, "AProposMenu")->trigger();
        QPointer<TAboutBox> boite = qobject_cast<TAboutBox*>(FenetreEssai::Modale());
        ASSERT_FALSE(boite.isNull());
        EXPECT_EQ(T(boite->OSName), "Debian GNU/Linux 12 6.1.0-18-amd64 (Build 1)") << fois;
        EXPECT_EQ(T(boite->Cpu), "Rise iDragon II") << fois;
        boite->BitBtn1->click();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(boite.isNull());
    }
}

class AideTest : public ::testing::Test {
protected:
    void TearDown() override { FermerAide(); }
    static int Defilement() { return FenetreAideOuverte()->Navigateur->verticalScrollBar()->value(); }
};

TEST_F(AideTest, SourceFichierOuIntegree) {
    // Le programme de la construction trouve le fichier copié à côté de lui ;
    // ailleurs, la copie intégrée.
    const QUrl construite = SourceAide(std::filesystem::path(PULSODEX_CONSTRUCTION) / "pulsodex");
    EXPECT_TRUE(QFile::exists(construite.toLocalFile()));
    EXPECT_EQ(SourceAide("/nulle/part/pulsodex").toString().toStdString(), "qrc:/aide/pulsodex.html");
}

// Le menu ouvre le premier sujet ; chaque sujet son ancre, dans une seule fenêtre.
TEST_F(AideTest, ChaqueSujetOuvreSonAncreDansUneSeuleFenetre) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    Enfant<QAction>(f, "AideMenu")->trigger();
    FenetreAide* aide = FenetreAideOuverte();
    ASSERT_NE(aide, nullptr);
    EXPECT_EQ(aide->windowTitle().toStdString(), "Aide de Pulsodex XP");
    EXPECT_EQ(aide->Navigateur->source().fragment().toStdString(), "sujet1");
    AfficherAide(SujetConfiguration);
    EXPECT_EQ(FenetreAideOuverte(), aide);
    EXPECT_EQ(aide->Navigateur->source().fragment().toStdString(), "sujet6");
    // Sujet inconnu ou « Sommaire » : le début.
    AfficherAide(42);
    EXPECT_EQ(Defilement(), 0);
    AfficherAide(SujetFormats);
    EXPECT_LT(0, Defilement());
    aide->SommaireCmd->click();
    EXPECT_EQ(Defilement(), 0);
    // « Fermer » la libère ; la fin du programme aussi.
    QPointer<FenetreAide> fermee = aide;
    aide->FermerCmd->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fermee.isNull());
    AfficherAide(SujetFormats);
    f.FormClose();
    EXPECT_EQ(FenetreAideOuverte(), nullptr);
}

// Ouverte depuis une boîte modale, l'aide reste utilisable, et la boîte détruite
// ne l'emporte pas.
TEST_F(AideTest, OuverteDepuisUneBoiteModaleElleResteUtilisable) {
    auto* boite = new QDialog;
    QPointer<FenetreAide> aide;
    bool sommaireClique = false;
    QTimer::singleShot(0, [&] {
        AfficherAide(SujetConfiguration);
        aide = FenetreAideOuverte();
        ASSERT_FALSE(aide.isNull());
        EXPECT_EQ(aide->parentWidget(), boite);
        // Un clic envoyé par le système de fenêtres n'est pas bloqué par la boîte.
        QPushButton* sommaire = aide->SommaireCmd;
        aide->Navigateur->verticalScrollBar()->setValue(50);
        QTest::mouseClick(aide->windowHandle(), Qt::LeftButton, {},
                          sommaire->mapTo(aide, sommaire->rect().center()));
        sommaireClique = Defilement() == 0;
        delete boite;
    });
    boite->exec();
    EXPECT_TRUE(sommaireClique);
    ASSERT_FALSE(aide.isNull());
    EXPECT_EQ(aide->parentWidget(), nullptr);
    EXPECT_TRUE(aide->isVisible());
}

} // namespace
} // namespace pulsodex::test
