#include <gtest/gtest.h>

#include "ConfigEssai.h"

namespace pulsodex::test {
namespace {

class EnregistrementTest : public ::testing::Test {
protected:
    void SetUp() override {
        e.DejaLance();
        c.ChargeTout();
    }
    ConfigEssai e;
    TConfig& c = e.Config;
};

TEST_F(EnregistrementTest, UnEchecDitUneFoisPuisDeNouveauApresUneReussite) {
    EXPECT_TRUE(c.Enregistrer());
    EXPECT_TRUE(e.Boites.Montrees.empty());

    e.Reg.FaireEchouerDisque(true);
    EXPECT_FALSE(c.Enregistrer());
    EXPECT_FALSE(c.Enregistrer());
    EXPECT_FALSE(c.Enregistrer());
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    const auto& boite = e.Boites.Montrees[0];
    EXPECT_EQ(boite.Legende, "Pulsodex XP V1.0 Béta 2");
    EXPECT_EQ(boite.Icone, IconeBoite::Avertissement);
    EXPECT_EQ(boite.Boutons, BoutonsBoite::Ok);
    EXPECT_EQ(boite.Texte, TexteEchecEnregistrement("« essai.conf » : le disque est plein"));

    e.Reg.FaireEchouerDisque(false);
    EXPECT_TRUE(c.Enregistrer());
    e.Reg.FaireEchouerDisque(true);
    EXPECT_FALSE(c.Enregistrer());
    EXPECT_EQ(e.Boites.Montrees.size(), 2U);
}

TEST_F(EnregistrementTest, SauverNeDitJamaisReussiCeQuiNeLEstPas) {
    c.Rafraichissement = 250;
    c.SauveTout();
    EXPECT_TRUE(c.Enregistrer(TConfig::AvisEchec::Toujours));
    EXPECT_EQ(e.Reg.Lire(c.Section(), "Rafraichissement"), "250");
    EXPECT_TRUE(e.Boites.Montrees.empty());

    // Un échec est dit à chaque demande explicite, même déjà dit.
    e.Reg.FaireEchouerDisque(true);
    EXPECT_FALSE(c.Enregistrer());
    EXPECT_FALSE(c.Enregistrer(TConfig::AvisEchec::Toujours));
    EXPECT_FALSE(c.Enregistrer(TConfig::AvisEchec::Toujours));
    EXPECT_EQ(e.Boites.Montrees.size(), 3U);
}

TEST(TexteEchecEnregistrement, CauseConnueOuNon) {
    EXPECT_EQ(TexteEchecEnregistrement("« /x/Pulsodex.conf » : le dossier n'est pas inscriptible"),
              "Les réglages n'ont pas pu être enregistrés dans « /x/Pulsodex.conf » : le dossier n'est pas "
              "inscriptible.\n\nLe fichier des réglages garde son contenu précédent. Pulsodex continue de "
              "fonctionner et enregistrera vos changements à la prochaine sauvegarde réussie.");
    EXPECT_TRUE(TexteEchecEnregistrement("").starts_with("Les réglages n'ont pas pu être enregistrés.\n\n"));
}

} // namespace
} // namespace pulsodex::test
