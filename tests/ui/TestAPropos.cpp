#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "CpuidEssai.h"
#include "FenetreEssai.h"
#include "core/commun/Produit.h"
#include "core/probes/TCpuInfo.h"
#include "ui/shell/TAboutBox.h"

namespace pulsodex::test {
namespace {

std::string T(const QLabel* etiquette) {
    return etiquette->text().toStdString();
}

TEST(TAboutBox, TextesEtBoutons) {
    TAboutBox boite;
    boite.FixerSysteme("Debian GNU/Linux 12 6.1.0-18-amd64 (Build 1)", "Rise iDragon II");
    boite.show();
    EXPECT_EQ(boite.windowTitle().toStdString(), "A Propos");
    EXPECT_EQ(T(boite.ProductName), "Logiciel Pulsodex XP V1.0 Béta 2");
    EXPECT_TRUE(boite.ProductName->font().bold());
    EXPECT_GT(boite.ProductName->font().pointSizeF(), boite.Version->font().pointSizeF());
    EXPECT_EQ(T(boite.Version).rfind("Compilé pour Linux ", 0), 0U) << T(boite.Version);
    EXPECT_EQ(T(boite.Copyright), std::string(produit::Identite));
    EXPECT_EQ(T(boite.Comments), "Download gratuit sur " + std::string(produit::SiteWeb));
    EXPECT_EQ(T(boite.SystemeLabel), "Système :");
    EXPECT_EQ(T(boite.OSName), "Debian GNU/Linux 12 6.1.0-18-amd64 (Build 1)");
    EXPECT_EQ(T(boite.ProcesseurLabel), "Processeur :");
    EXPECT_EQ(T(boite.Cpu), "Rise iDragon II");
    EXPECT_FALSE(boite.FrequenceLabel->isVisible());
    EXPECT_FALSE(boite.Freq->isVisible());
    EXPECT_FALSE(boite.ProgramIcon->pixmap().isNull());
    EXPECT_EQ(boite.BitBtn1->text().toStdString(), "OK");
    // Les textes sont des textes, pas du HTML.
    boite.FixerSysteme("<b>Système</b>", "A & B");
    EXPECT_EQ(boite.OSName->textFormat(), Qt::PlainText);
}

TEST(TAboutBox, OkEtCaseDeFermetureLaFerment) {
    for (bool parOk : {true, false}) {
        TAboutBox boite;
        QTimer::singleShot(0, [&] {
            if (parOk) {
                boite.BitBtn1->click();
            } else {
                boite.close();
            }
        });
        boite.exec();
        EXPECT_FALSE(boite.isVisible());
    }
}

struct OuvertureAPropos {
    std::vector<std::string> Textes;
    int BoitesOuvertes = 0;
    QPointer<QWidget> Boite;
};

// Ouvre la boîte par le menu, relève ses textes, la ferme par « OK ».
OuvertureAPropos OuvrirAPropos(TPulsodexForm& fenetre) {
    OuvertureAPropos o;
    Enfant<QAction>(fenetre, "AProposMenu")->trigger();
    auto* boite = qobject_cast<TAboutBox*>(FenetreEssai::Modale());
    EXPECT_NE(boite, nullptr);
    if (boite == nullptr) {
        return o;
    }
    o.Boite = boite;
    for (const QLabel* l :
         {boite->ProductName, boite->Version, boite->Copyright, boite->Comments, boite->OSName, boite->Cpu}) {
        o.Textes.push_back(T(l));
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        o.BoitesOuvertes += qobject_cast<TAboutBox*>(w) != nullptr && w->isVisible() ? 1 : 0;
    }
    boite->BitBtn1->click();
    // Libérée à la fermeture (plus tard, par la boucle).
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return o;
}

TEST(APropos, DeuxOuverturesMontrentLesMemesTextes) {
    FenetreEssai e;
    SourceFixe rise;
    rise.Cpuid = ReponsesDe("RiseRiseRise", 0x520);
    const TCpuInfo info(rise);
    TPulsodexForm& f = e.Demarrer();
    f.FixerCpuInfo(&info);
    ASSERT_TRUE(Enfant<QAction>(f, "AProposMenu")->isEnabled());

    const OuvertureAPropos premiere = OuvrirAPropos(f);
    EXPECT_TRUE(premiere.Boite.isNull()); // libérée à la fermeture
    const OuvertureAPropos seconde = OuvrirAPropos(f);
    EXPECT_TRUE(seconde.Boite.isNull());
    ASSERT_EQ(premiere.Textes.size(), 6U);
    EXPECT_EQ(premiere.Textes, seconde.Textes);
    EXPECT_EQ(premiere.BoitesOuvertes, 1);
    EXPECT_EQ(seconde.BoitesOuvertes, 1);
    EXPECT_EQ(premiere.Textes[4], e.Infos.WinVer());
    EXPECT_EQ(premiere.Textes[5], "Rise iDragon II");
}

TEST(APropos, SansIdentificationFournieLeProcesseurDeLaMachine) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    const OuvertureAPropos o = OuvrirAPropos(f);
    ASSERT_EQ(o.Textes.size(), 6U);
    EXPECT_FALSE(o.Textes[5].empty());
    EXPECT_NE(o.Textes[5], "Processeur inconnu");
}

} // namespace
} // namespace pulsodex::test
