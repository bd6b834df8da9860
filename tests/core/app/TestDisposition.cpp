#include <gtest/gtest.h>

#include "app/DispositionBandes.h"
#include "app/GeometrieFenetre.h"
#include "app/Lecteurs.h"

namespace pulsodex {
namespace {

Bande B(int cle, bool visible, bool rupture, int largeur, int hauteur = 19) {
    Bande b;
    b.Cle = cle;
    b.Visible = visible;
    b.Rupture = rupture;
    b.Largeur = largeur;
    b.Hauteur = hauteur;
    return b;
}

TEST(DispositionBandes, RangeesEtDerniereBandeQuiPrendLeReste) {
    // [a 100][b 50][c reste] / [d reste] ; e cachée.
    const std::vector<Bande> bandes = {B(-1, true, true, 100), B(-2, true, false, 50), B(-3, true, false, 40),
                                       B(-4, false, false, 70), B(-5, true, true, 30, 24)};
    const Disposition d = Disposer(bandes, 300);
    EXPECT_EQ(d.Hauteur, 20 + 24);
    EXPECT_EQ(d.Placements[0].Largeur, 100);
    EXPECT_EQ(d.Placements[1].Gauche, 100);
    EXPECT_EQ(d.Placements[2].Gauche, 150);
    EXPECT_EQ(d.Placements[2].Largeur, 150);
    EXPECT_FALSE(d.Placements[3].Visible);
    EXPECT_EQ(d.Placements[4].Haut, 20);
    EXPECT_EQ(d.Placements[4].Largeur, 300);
    EXPECT_EQ(d.Placements[4].Hauteur, 24);
}

TEST(DispositionBandes, PremiereBandeVisibleOuvreToujoursUneRangee) {
    const std::vector<Bande> bandes = {B(-1, false, true, 100), B(-2, true, false, 50)};
    const Disposition d = Disposer(bandes, 120);
    EXPECT_EQ(d.Placements[1].Gauche, 0);
    EXPECT_EQ(d.Placements[1].Largeur, 120);
    EXPECT_EQ(d.Hauteur, 20);
    EXPECT_EQ(Disposer({}, 120).Hauteur, 0);
    // Trop étroit : jamais de largeur négative.
    EXPECT_EQ(Disposer({B(-1, true, true, 200), B(-2, true, false, 10)}, 100).Placements[1].Largeur,
              LargeurMinBande);
}

TEST(GeometrieFenetre, RameneeDansLaZoneDeTravail) {
    struct Cas {
        Rectangle fenetre;
        Rectangle zone;
        Rectangle attendu;
    };
    const Cas cas[] = {
        {{1200, 0, 180, 60}, {0, 0, 1280, 1000}, {1100, 0, 180, 60}},
        {{0, 990, 180, 60}, {0, 0, 1280, 1000}, {0, 940, 180, 60}},
        {{10, 10, 180, 60}, {0, 0, 1280, 1000}, {10, 10, 180, 60}},
        {{500, 500, 2000, 2000}, {0, 0, 1280, 1000}, {0, 0, 2000, 2000}},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(GarderSurZone(k.fenetre, k.zone), k.attendu);
    }
    EXPECT_EQ(ZoneSous(3, 180), ZoneSouris::BordGauche);
    EXPECT_EQ(ZoneSous(4, 180), ZoneSouris::Deplacement);
    EXPECT_EQ(ZoneSous(176, 180), ZoneSouris::Deplacement);
    EXPECT_EQ(ZoneSous(177, 180), ZoneSouris::BordDroit);
}

TEST(Lecteurs, LettresMajusculesSeulementDansLeurOrdre) {
    EXPECT_EQ(LecteursListes("C5d;E", false), (std::vector<std::uint8_t>{3, 5}));
    EXPECT_TRUE(LecteursListes("", true).empty());
    EXPECT_TRUE(LecteursListes("cd;1", false).empty());
    // 26 lettres + le total : la dernière lettre n'a plus d'emplacement.
    std::string toutes;
    for (char c = 'A'; c <= 'Z'; ++c) {
        toutes += c;
    }
    toutes += "AB";
    EXPECT_EQ(LecteursListes(toutes, false).size(), 27U);
    EXPECT_EQ(LecteursListes(toutes, true).size(), 26U);
}

} // namespace
} // namespace pulsodex
