#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <memory>

#include "ui/shell/TAboutBox.h"
#include "ui/shell/TQuitterForm.h"
#include "ui/shell/TResolutionForm.h"

namespace pulsodex {
namespace {

int Executer(const std::function<void(TQuitterForm&)>& action) {
    TQuitterForm dialogue;
    QTimer::singleShot(0, [&] { action(dialogue); });
    return dialogue.exec();
}

TEST(TQuitterForm, BoutonsEtResultats) {
    TQuitterForm d;
    EXPECT_EQ(d.windowTitle().toStdString(), "Quitter Pulsodex");
    EXPECT_EQ(d.QuitterCmd->text().toStdString(), "&Quitter");
    EXPECT_EQ(d.MasquerCmd->text().toStdString(), "&Masquer");
    EXPECT_EQ(d.AnnulerCmd->text().toStdString(), "&Annuler");
    EXPECT_TRUE(d.MasquerCmd->isDefault());
    // De gauche à droite : Quitter, Masquer, Annuler.
    d.show();
    EXPECT_LT(d.QuitterCmd->x(), d.MasquerCmd->x());
    EXPECT_LT(d.MasquerCmd->x(), d.AnnulerCmd->x());
    // Ordre du clavier : Masquer, Annuler, Quitter.
    EXPECT_EQ(d.MasquerCmd->nextInFocusChain(), d.AnnulerCmd);
    EXPECT_EQ(d.AnnulerCmd->nextInFocusChain(), d.QuitterCmd);

    EXPECT_EQ(Executer([](TQuitterForm& f) { f.QuitterCmd->click(); }), TQuitterForm::Quitter);
    EXPECT_EQ(Executer([](TQuitterForm& f) { f.MasquerCmd->click(); }), TQuitterForm::Masquer);
    EXPECT_EQ(Executer([](TQuitterForm& f) { f.AnnulerCmd->click(); }), TQuitterForm::Annuler);
    EXPECT_EQ(Executer([](TQuitterForm& f) {
                  QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                  QApplication::sendEvent(&f, &echap);
              }),
              TQuitterForm::Annuler);
    EXPECT_EQ(Executer([](TQuitterForm& f) { f.close(); }), TQuitterForm::Annuler);
}

// Les trois petites boîtes s'ouvrent au centre de l'écran, pas au centre de
// la barre qui les ouvre (ici dans le coin haut gauche).
TEST(BoiteCentree, AuCentreDeLEcranDeLaBarre) {
    QWidget barre(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    barre.setGeometry(0, 0, 180, 60);
    barre.show();
    const QPoint centre = barre.screen()->availableGeometry().center();
    struct Cas {
        const char* nom;
        std::function<std::unique_ptr<QDialog>(QWidget*)> creer;
    };
    const Cas cas[] = {
        {"Quitter Pulsodex",
         [](QWidget* p) {
             return std::make_unique<TQuitterForm>(p);
         }},
        {"Changement de résolution",
         [](QWidget* p) {
             return std::make_unique<TResolutionForm>(p);
         }},
        {"A Propos",
         [](QWidget* p) {
             return std::make_unique<TAboutBox>(p);
         }},
    };
    for (const auto& k : cas) {
        const auto boite = k.creer(&barre);
        boite->show();
        const QPoint ecart = boite->frameGeometry().center() - centre;
        EXPECT_LE(ecart.manhattanLength(), 1)
            << k.nom << " au centre de " << boite->frameGeometry().center().x() << ","
            << boite->frameGeometry().center().y();
    }
}

} // namespace
} // namespace pulsodex
