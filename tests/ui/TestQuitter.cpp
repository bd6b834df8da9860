#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "shell/TQuitterForm.h"

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

} // namespace
} // namespace pulsodex
