#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>

#include "FenetreEssai.h"
#include "ui/app/CoolBar.h"
#include "ui/app/Panneaux.h"
#include "ui/shell/TResolutionForm.h"

namespace pulsodex::test {
namespace {

TEST(CoolBar, RangeesEtHauteurAnnoncee) {
    CoolBar barre;
    barre.resize(302, 10);
    std::vector<QWidget*> controles;
    for (int cle = -1; cle >= -3; --cle) {
        auto* c = new QWidget;
        c->resize(50, 19);
        barre.AjouterBande(c, cle);
        controles.push_back(c);
    }
    QSignalSpy hauteurs(&barre, &CoolBar::HauteurChangee);
    for (int cle = -1; cle >= -3; --cle) {
        barre.FixerVisible(cle, true);
    }
    // Trois rangées de 20 pixels et le bord.
    EXPECT_EQ(barre.HauteurPour(302), 62);
    ASSERT_FALSE(hauteurs.isEmpty());
    EXPECT_EQ(hauteurs.last().at(0).toInt(), 62);
    EXPECT_EQ(controles[1]->geometry(), QRect(1, 21 + 0, 300, 19));

    // Sur une rangée : [100][100][le reste].
    for (int i = 0; i < 3; ++i) {
        barre.Modele().A(i).Rupture = false;
        barre.Modele().A(i).Largeur = 100;
    }
    barre.Disposer();
    EXPECT_EQ(hauteurs.last().at(0).toInt(), 22);
    EXPECT_EQ(controles[2]->geometry(), QRect(201, 1, 100, 19));
    barre.FixerVisible(-2, false);
    EXPECT_FALSE(controles[1]->isVisibleTo(&barre));
    EXPECT_EQ(controles[2]->geometry().left(), 101);
}

class BandesFenetreTest : public ::testing::Test {
protected:
    FenetreEssai e;
    RegistreMemoire& reg = e.Reg;
    static std::vector<int> Ordre(const TPulsodexForm& f) {
        std::vector<int> cles;
        for (const Bande& b : f.Bandes()->Modele().Bandes()) {
            cles.push_back(b.Cle);
        }
        return cles;
    }
};

TEST_F(BandesFenetreTest, AvanceeParDefautPuisEnLigneALaMain) {
    TPulsodexForm& f = e.Demarrer();
    // Ordre canonique : la mémoire physique avant le taux.
    EXPECT_EQ(Ordre(f), (std::vector<int>{-1, -2, -3, -4, -5, -6}));
    EXPECT_EQ(f.height(), 4 * 20 + 2 + 2);

    Enfant<QAction>(f, "enLigneManuelMenu")->trigger();
    EXPECT_EQ(f.Config()->Organisation, Organisation::Manuelle);
    EXPECT_EQ(reg.Lire(e.Res(), "Organisation"), "Manuelle");
    EXPECT_FALSE(Enfant<QAction>(f, "AvanceAutoMenu")->isChecked());
    EXPECT_EQ(f.height(), 20 + 2 + 2);
    EXPECT_EQ(f.Bandes()->Modele().A(0).Largeur, (180 - 2 - 2) / 4);

    // Manuelle : élargir la fenêtre ne réarrange rien.
    f.resize(400, f.height());
    EXPECT_EQ(f.Bandes()->Modele().A(0).Largeur, 44);
}

TEST_F(BandesFenetreTest, AutomatiqueSuitLaLargeurEtSeBascule) {
    TPulsodexForm& f = e.Demarrer();
    Enfant<QAction>(f, "enLigneAutoMenu")->trigger();
    EXPECT_TRUE(Enfant<QAction>(f, "enLigneAutoMenu")->isChecked());
    EXPECT_FALSE(Enfant<QAction>(f, "AvanceAutoMenu")->isChecked());
    EXPECT_EQ(reg.Lire(e.Res(), "Organisation"), "Ligne");
    f.resize(404, f.height());
    EXPECT_EQ(f.Bandes()->Modele().A(0).Largeur, 100);

    // Un second clic sur l'élément coché : manuelle, les bandes restent.
    const auto avant = f.Bandes()->Modele().Bandes();
    Enfant<QAction>(f, "enLigneAutoMenu")->trigger();
    EXPECT_FALSE(Enfant<QAction>(f, "enLigneAutoMenu")->isChecked());
    EXPECT_EQ(f.Config()->Organisation, Organisation::Manuelle);
    EXPECT_EQ(reg.Lire(e.Res(), "Organisation"), "Manuelle");
    EXPECT_EQ(f.Bandes()->Modele().A(0).Largeur, avant[0].Largeur);
    EXPECT_EQ(f.Bandes()->Modele().A(0).Rupture, avant[0].Rupture);
}

TEST_F(BandesFenetreTest, DispositionGardeeEtRendueParResolution) {
    TPulsodexForm& f = e.Demarrer();
    Enfant<QAction>(f, "enColonneManuelMenu")->trigger();
    f.Bandes()->Modele().Deplacer(3, 0); // le taux en tête
    f.Bandes()->Disposer();
    f.Cacher();
    EXPECT_EQ(reg.Lire(e.Res() + "\\Emplacement", "Order-4"), "0");
    EXPECT_EQ(reg.Lire(e.Res() + "\\Emplacement", "Width-6"), "176");

    FenetreEssai relance;
    relance.Reg = reg;
    TPulsodexForm& g = relance.Demarrer();
    EXPECT_EQ(Ordre(g), (std::vector<int>{-4, -1, -2, -3, -5, -6}));
}

// Envoie un événement de souris au contrôle.
void Souris(QWidget* w, QEvent::Type type, QPoint p, Qt::KeyboardModifiers mod = Qt::ControlModifier) {
    QMouseEvent evenement(type, p, w->mapToGlobal(p), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, mod);
    QApplication::sendEvent(w, &evenement);
}

TEST_F(BandesFenetreTest, CtrlGlisserDeplaceUneBandeSaufVerrouillee) {
    TPulsodexForm& f = e.Demarrer();
    f.setGeometry(100, 100, 180, f.height());
    const QPoint position = f.pos();
    // La bande du taux (4e rangée) glissée sur la première : avant la date.
    Souris(Enfant<PanneauBande>(f, "MemoryLoadPanel"), QEvent::MouseButtonPress, {20, 8});
    Souris(Enfant<PanneauBande>(f, "MemoryLoadPanel"), QEvent::MouseMove, {20, -50});
    Souris(Enfant<PanneauBande>(f, "MemoryLoadPanel"), QEvent::MouseButtonRelease, {10, -55});
    EXPECT_EQ(Ordre(f).front(), -4);
    EXPECT_EQ(f.pos(), position); // la fenêtre n'a pas bougé

    // Un lâcher perdu (pris par une fenêtre modale) : le glissement s'oublie.
    Souris(Enfant<PanneauBande>(f, "MemPanel"), QEvent::MouseButtonPress, {20, 8});
    EXPECT_TRUE(f.Bandes()->Glisse());
    QMouseEvent sansBouton(QEvent::MouseMove, QPointF(90, 8),
                           Enfant<PanneauBande>(f, "MemPanel")->mapToGlobal(QPoint(90, 8)), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Enfant<PanneauBande>(f, "MemPanel"), &sansBouton);
    EXPECT_FALSE(f.Bandes()->Glisse());

    f.VerrouillerMenuClick();
    const auto avant = Ordre(f);
    Souris(Enfant<PanneauBande>(f, "DateHeurePanel"), QEvent::MouseButtonPress, {20, 8});
    Souris(Enfant<PanneauBande>(f, "DateHeurePanel"), QEvent::MouseButtonRelease, {20, 70});
    EXPECT_EQ(Ordre(f), avant);
    // Verrouillé, les menus arrangent encore.
    Enfant<QAction>(f, "enLigneManuelMenu")->trigger();
    EXPECT_EQ(f.height(), 24);
}

TEST(TResolutionForm, TextesEtBoutons) {
    TResolutionForm d;
    EXPECT_EQ(d.windowTitle().toStdString(), "Changement de résolution");
    d.FixerQuestion(QStringLiteral("première ligne ? \rRemarque: seconde"), false);
    EXPECT_EQ(d.Label1->text().toStdString(), "première ligne ? \nRemarque: seconde");
    EXPECT_FALSE(d.ChargerCmd->isEnabled());
    d.FixerQuestion(QStringLiteral("charger ?"), true);
    EXPECT_TRUE(d.ChargerCmd->isEnabled());
    std::vector<bool> clics;
    d.QuestionChangee = [&clics](bool coche) {
        clics.push_back(coche);
    };
    d.QuestionCheck->click();
    d.QuestionCheck->click();
    EXPECT_EQ(clics, (std::vector<bool>{true, false}));
}

TEST_F(BandesFenetreTest, NePlusPoserLaQuestionEstEcritAuClic) {
    TPulsodexForm& f = e.Demarrer();
    e.Affichage.TailleCourante = {800, 600};
    f.MinuterieTimer();
    auto* d = qobject_cast<TResolutionForm*>(FenetreEssai::Modale());
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->ChargerCmd->isEnabled());
    EXPECT_NE(d->Label1->text().toStdString().find("(800x600)"), std::string::npos);
    d->QuestionCheck->click();
    d->AnnulerCmd->click();
    QApplication::processEvents();
    EXPECT_FALSE(f.Config()->MultiResolution);
    EXPECT_EQ(reg.Lire("", "MultiResolution"), "Non");
    EXPECT_EQ(f.Config()->Section(), "1280x1024");
    // La question n'est plus posée.
    e.Affichage.TailleCourante = {640, 480};
    f.MinuterieTimer();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace pulsodex::test
