#include <gtest/gtest.h>

#include "ConfigEssai.h"
#include "core/app/Affichage.h"
#include "core/app/BandesFixes.h"
#include "core/app/GeometrieFenetre.h"
#include "core/app/Lecteurs.h"
#include "core/app/ModeleBandes.h"
#include "core/app/PersistanceBandes.h"
#include "core/app/Reorganisation.h"

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
    // Trop étroit : la rangée se partage la largeur, rien ne sort du conteneur.
    const Disposition etroite = Disposer({B(-1, true, true, 200), B(-2, true, false, 10)}, 100);
    EXPECT_EQ(etroite.Placements[0].Largeur, 50);
    EXPECT_EQ(etroite.Placements[1].Gauche, 50);
    EXPECT_EQ(etroite.Placements[1].Largeur, 50);
}

// Bandes visibles 1..n de largeur donnée, toutes à rupture ; clés données.
ModeleBandes Modele(const std::vector<std::pair<int, bool>>& cles, int largeur = 218) {
    ModeleBandes m;
    for (const auto& [cle, visible] : cles) {
        m.Ajouter(B(cle, visible, true, largeur));
    }
    return m;
}

std::vector<int> Ordre(const ModeleBandes& m) {
    std::vector<int> cles;
    for (const Bande& b : m.Bandes()) {
        cles.push_back(b.Cle);
    }
    return cles;
}

TEST(Reorganisation, EnLigne) {
    ModeleBandes m = Modele({{-1, true}, {-2, true}, {-3, false}, {-4, true}});
    ReorgLigne(m, 301);
    for (int i : {0, 1, 3}) {
        EXPECT_FALSE(m.A(i).Rupture);
        EXPECT_EQ(m.A(i).Largeur, 100);
    }
    EXPECT_TRUE(m.A(2).Rupture); // cachée : intacte
    EXPECT_EQ(m.A(2).Largeur, 218);
    const Disposition d = m.Disposer(301);
    EXPECT_EQ(d.Hauteur, 20); // une seule rangée

    // Aucune bande visible : rien ne change.
    ModeleBandes vide = Modele({{-1, false}, {-2, false}});
    ReorgLigne(vide, 301);
    EXPECT_TRUE(vide.A(0).Rupture);
    EXPECT_EQ(vide.A(1).Largeur, 218);
}

TEST(Reorganisation, EnColonneMemeLesCachees) {
    ModeleBandes m = Modele({{-1, true}, {-2, false}, {1, true}});
    m.A(0).Rupture = false;
    ReorgColonne(m, 250);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(m.A(i).Rupture);
        EXPECT_EQ(m.A(i).Largeur, 250);
    }
}

TEST(Reorganisation, AvanceeDisquesDeuxParRangee) {
    ModeleBandes m = Modele({{-1, true}, {-2, true}, {1, true}, {2, true}, {3, true}, {-5, false}});
    ReorgAvance(m, 300);
    const Disposition d = m.Disposer(300);
    // Bandes fixes seules sur leur rangée ; [1, 2] à 150 ; [3] à 150.
    EXPECT_TRUE(m.A(0).Rupture && m.A(1).Rupture);
    EXPECT_EQ(m.A(0).Largeur, 218); // largeur des bandes fixes inchangée
    EXPECT_TRUE(m.A(2).Rupture);
    EXPECT_FALSE(m.A(3).Rupture);
    EXPECT_TRUE(m.A(4).Rupture);
    for (int i : {2, 3, 4}) {
        EXPECT_EQ(m.A(i).Largeur, 150);
    }
    EXPECT_EQ(d.Placements[3].Gauche, 150);
    EXPECT_EQ(d.Placements[3].Haut, d.Placements[2].Haut);
    EXPECT_EQ(d.Placements[4].Haut, d.Placements[2].Haut + 20);
    EXPECT_EQ(d.Hauteur, 4 * 20);
    EXPECT_TRUE(m.A(5).Rupture); // cachée : intacte
}

TEST(Reorganisation, OrdreCanoniqueAvantLArrangement) {
    // Ordre de conception : date, mém. totale, taux, mém. physique, cpu, moyenne.
    ModeleBandes m =
        Modele({{-1, true}, {-2, true}, {-4, true}, {-3, true}, {-5, false}, {-6, true}, {1, true}});
    // Le total des disques (emplacement 1) fait la paire avec le premier disque.
    m.Ajouter(B(2, true, true, 218));
    Reorganiser(m, Organisation::Avancee, {-1, -2, -3, -4, -6, 1, 2}, 300);
    EXPECT_EQ(Ordre(m), (std::vector<int>{-1, -2, -3, -4, -6, 1, 2, -5}));
    EXPECT_TRUE(m.A(5).Rupture);
    EXPECT_FALSE(m.A(6).Rupture);
    // Organisation manuelle : rien ne bouge.
    ModeleBandes n = Modele({{-2, true}, {-1, true}});
    Reorganiser(n, Organisation::Manuelle, {-1, -2}, 300);
    EXPECT_EQ(Ordre(n), (std::vector<int>{-2, -1}));
}

TEST(ModeleBandes, GlisserDeposer) {
    // Une rangée [a b c] puis [d].
    auto m = [] {
        ModeleBandes r;
        r.Ajouter(B(-1, true, true, 100));
        r.Ajouter(B(-2, true, false, 100));
        r.Ajouter(B(-3, true, false, 100));
        r.Ajouter(B(-4, true, true, 100));
        return r;
    };
    // c devant a : c prend la tête de la rangée.
    ModeleBandes a = m();
    a.Deposer(2, 10, 5, 300);
    EXPECT_EQ(Ordre(a), (std::vector<int>{-3, -1, -2, -4}));
    EXPECT_TRUE(a.A(0).Rupture);
    EXPECT_FALSE(a.A(1).Rupture);
    // a à la fin de la rangée de d.
    ModeleBandes b = m();
    b.Deposer(0, 250, 25, 300);
    EXPECT_EQ(Ordre(b), (std::vector<int>{-2, -3, -4, -1}));
    EXPECT_TRUE(b.A(0).Rupture); // b devient la tête de la première rangée
    EXPECT_FALSE(b.A(3).Rupture);
    EXPECT_EQ(b.Disposer(300).Hauteur, 40);
    // b sous toutes les rangées : une nouvelle rangée.
    ModeleBandes c = m();
    c.Deposer(1, 50, 200, 300);
    EXPECT_EQ(Ordre(c), (std::vector<int>{-1, -3, -4, -2}));
    EXPECT_TRUE(c.A(3).Rupture);
    EXPECT_EQ(c.Disposer(300).Hauteur, 60);
    // Reposée sur elle-même : rien ne change.
    ModeleBandes d = m();
    d.Deposer(1, 120, 5, 300);
    EXPECT_EQ(Ordre(d), Ordre(m()));
    EXPECT_FALSE(d.A(1).Rupture);
    // d, seule sur sa rangée, reposée au bout de sa rangée : rien ne change.
    ModeleBandes e = m();
    e.Deposer(3, 290, 25, 300);
    EXPECT_EQ(Ordre(e), Ordre(m()));
    EXPECT_TRUE(e.A(3).Rupture);
    // Sur une rangée déjà pleine (deux disques de 90 dans 180) : la bande
    // reste visible là où elle est lâchée, les trois se partagent la rangée.
    ModeleBandes f;
    f.Ajouter(B(2, true, true, 90));
    f.Ajouter(B(3, true, false, 90));
    f.Ajouter(B(4, true, true, 180));
    f.Deposer(2, 100, 5, 180);
    EXPECT_EQ(Ordre(f), (std::vector<int>{2, 4, 3}));
    const Disposition df = f.Disposer(180);
    EXPECT_EQ(df.Hauteur, 20);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(df.Placements[static_cast<std::size_t>(i)].Gauche, 60 * i) << i;
        EXPECT_EQ(df.Placements[static_cast<std::size_t>(i)].Largeur, 60) << i;
        EXPECT_EQ(f.A(i).Largeur, 60) << i; // gardées telles qu'on les voit
    }
    // Bord droit de a (x = 100) : pris ; celui de c (dernière) : non.
    EXPECT_EQ(m().BordDroitSous(101, 5, 300), 0);
    EXPECT_EQ(m().BordDroitSous(299, 5, 300), -1);
    EXPECT_EQ(m().BandeSous(150, 5, 300), 1);
    EXPECT_EQ(m().BandeSous(150, 60, 300), -1);
}

class PersistanceTest : public ::testing::Test {
protected:
    test::ConfigEssai e;
    TConfig& c = e.Config;
    const std::vector<int> cles{-1, -2, -3, -4, -5, -6};
    // L'ordre de conception du conteneur.
    ModeleBandes Conception() const {
        return Modele({{-1, true}, {-2, true}, {-4, true}, {-3, true}, {-5, false}, {-6, false}});
    }
};

TEST_F(PersistanceTest, PremierLancementGardeLaConception) {
    c.ChargeEnvironnement();
    ModeleBandes m = Conception();
    m.A(1).Rupture = false;
    RestaurerDisposition(m, c, cles);
    EXPECT_EQ(Ordre(m), Ordre(Conception()));
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(m.A(i).Rupture); // rupture par défaut
        EXPECT_EQ(m.A(i).Largeur, 218);
    }
}

TEST_F(PersistanceTest, AllerRetourAvecDesBandesCachees) {
    c.ChargeEnvironnement();
    ModeleBandes m = Conception();
    ReorgOrdre(m, {-6, -4, -1});
    m.A(0).Largeur = 90;
    m.A(1).Rupture = false;
    m.A(1).Largeur = 70;
    SauverDisposition(m, c, cles);
    EXPECT_EQ(e.Reg.Lire("1024x768\\Emplacement", "Order-4"), "1");
    EXPECT_EQ(e.Reg.Lire("1024x768\\Emplacement", "Break-4"), "0");

    ModeleBandes relu = Conception();
    RestaurerDisposition(relu, c, cles);
    EXPECT_EQ(Ordre(relu), Ordre(m));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(relu.A(i).Rupture, m.A(i).Rupture) << i;
        EXPECT_EQ(relu.A(i).Largeur, m.A(i).Largeur) << i;
    }
}

TEST_F(PersistanceTest, DisqueRetireDecaleLesEmplacementsEtBandeAbsente) {
    c.ChargeEnvironnement();
    ModeleBandes m = Conception();
    m.Ajouter(B(1, true, true, 111));
    m.Ajouter(B(2, true, false, 122));
    SauverDisposition(m, c, {-1, -2, -3, -4, -5, -6, 1, 2, 3});
    // Emplacement 3 absent : sans rupture, largeur 0, position -1.
    EXPECT_EQ(e.Reg.Lire("1024x768\\Emplacement", "Break3"), "0");
    EXPECT_EQ(e.Reg.Lire("1024x768\\Emplacement", "Width3"), "0");
    EXPECT_EQ(e.Reg.Lire("1024x768\\Emplacement", "Order3"), "-1");
    // Un disque de moins : celui qui reste prend la disposition de l'emplacement 1.
    ModeleBandes moins = Conception();
    moins.Ajouter(B(1, true, true, 218));
    RestaurerDisposition(moins, c, {-1, -2, -3, -4, -5, -6, 1});
    EXPECT_EQ(moins.A(6).Largeur, 111);
    EXPECT_TRUE(moins.A(6).Rupture);
}

TEST_F(PersistanceTest, OrdresEtLargeursAberrants) {
    c.ChargeEnvironnement();
    const std::string section = "1024x768\\Emplacement";
    e.Reg.WriteString(section, "Order-1", "40"); // hors des bandes et de la table
    e.Reg.WriteString(section, "Width-1", "77");
    e.Reg.WriteString(section, "Order-2", "-7");
    e.Reg.WriteString(section, "Width-2", "55");
    e.Reg.WriteString(section, "Order-3", "0");
    e.Reg.WriteString(section, "Width-3", "-5"); // largeur négative : inchangée
    ModeleBandes m = Conception();
    RestaurerDisposition(m, c, cles);
    EXPECT_EQ(m.A(0).Cle, -3);
    EXPECT_EQ(m.A(0).Largeur, 218);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(m.A(i).Largeur, 218);
    }
}

TEST(GeometrieFenetre, RameneeSurLesEcransPresents) {
    const std::vector<Rectangle> un = {{0, 0, 1280, 1000}};
    // Deux écrans côte à côte, le second à droite ; puis le second seul (le
    // premier débranché) ; puis un écran à gauche du principal.
    const std::vector<Rectangle> deux = {{0, 0, 1280, 1024}, {1280, 0, 1280, 1024}};
    const std::vector<Rectangle> droiteSeul = {{1280, 0, 1280, 1024}};
    const std::vector<Rectangle> aGauche = {{0, 0, 1280, 1024}, {-1280, 0, 1280, 1024}};
    const std::vector<Rectangle> barreEnHaut = {{0, 30, 1280, 994}};
    const std::vector<Rectangle> aucun;
    struct Cas {
        const char* nom;
        Rectangle fenetre;
        const std::vector<Rectangle>& zones;
        Rectangle attendu;
    };
    const Cas cas[] = {
        {"un écran, débord à droite", {1200, 0, 180, 60}, un, {1100, 0, 180, 60}},
        {"un écran, débord en bas", {0, 990, 180, 60}, un, {0, 940, 180, 60}},
        {"un écran, dedans", {10, 10, 180, 60}, un, {10, 10, 180, 60}},
        {"un écran, plus grande que lui", {500, 500, 2000, 2000}, un, {0, 0, 2000, 2000}},
        {"un écran, négative", {-50, -20, 180, 60}, un, {0, 0, 180, 60}},
        {"second écran gardé", {1600, 100, 180, 60}, deux, {1600, 100, 180, 60}},
        {"à cheval sur les deux", {1200, 100, 180, 60}, deux, {1200, 100, 180, 60}},
        {"second écran, débord à droite", {2500, 100, 180, 60}, deux, {2380, 100, 180, 60}},
        {"second écran, débord en bas", {1600, 1000, 180, 60}, deux, {1600, 964, 180, 60}},
        {"écran disparu à droite", {1600, 100, 180, 60}, un, {1100, 100, 180, 60}},
        {"écran disparu loin à droite et en bas", {5000, 3000, 180, 60}, deux, {2380, 964, 180, 60}},
        {"écran principal débranché", {100, 100, 180, 60}, droiteSeul, {1280, 100, 180, 60}},
        {"négative sur un écran à gauche", {-1000, 100, 180, 60}, aGauche, {-1000, 100, 180, 60}},
        {"négative, écran de gauche disparu", {-1000, 100, 180, 60}, deux, {0, 100, 180, 60}},
        {"sous la barre du haut", {0, 0, 180, 60}, barreEnHaut, {0, 30, 180, 60}},
        {"aucun écran connu", {-7, 5000, 180, 60}, aucun, {-7, 5000, 180, 60}},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(GarderSurEcrans(k.fenetre, k.zones), k.attendu) << k.nom;
    }
    EXPECT_EQ(ZoneSous(3, 180), ZoneSouris::BordGauche);
    EXPECT_EQ(ZoneSous(4, 180), ZoneSouris::Deplacement);
    EXPECT_EQ(ZoneSous(176, 180), ZoneSouris::Deplacement);
    EXPECT_EQ(ZoneSous(177, 180), ZoneSouris::BordDroit);
}

// Sous Wayland avec XWayland, X11, où la barre se place et reste au-dessus ;
// le choix de l'utilisateur prime toujours.
TEST(Affichage, GreffonImpose) {
    struct Cas {
        EnvironnementAffichage env;
        bool capture;
        const char* attendu;
    };
    const Cas cas[] = {
        {{"", "wayland-0", ":0"}, false, "xcb"},
        {{"", "wayland-0", ""}, false, "wayland"},
        {{"", "", ":0"}, false, ""},
        {{"wayland", "wayland-0", ":0"}, false, ""},
        {{"offscreen", "", ""}, true, ""},
        {{"", "", ""}, false, ""},
        {{"", "", ""}, true, "offscreen"},
        {{"", "", ":0"}, true, ""},
        {{"", "wayland-0", ":0"}, true, "xcb"},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(PlateformeImposee(k.env, k.capture), k.attendu)
            << "QT_QPA_PLATFORM=" << k.env.Plateforme << " WAYLAND_DISPLAY=" << k.env.Wayland
            << " DISPLAY=" << k.env.X11 << (k.capture ? " --capture" : "");
    }
}

TEST(Lecteurs, LettresMajusculesSeulementDansLeurOrdre) {
    EXPECT_EQ(LecteursListes("C5d;E", false), (std::vector<std::uint8_t>{3, 5}));
    EXPECT_TRUE(LecteursListes("", true).empty());
    EXPECT_TRUE(LecteursListes("cd;1", false).empty());
    // 26 lettres + le total : la dernière lettre n'a plus d'emplacement.
    const std::string toutes = "ABCDEFGHIJKLMNOPQRSTUVWXYZAB";
    EXPECT_EQ(LecteursListes(toutes, false).size(), 27U);
    EXPECT_EQ(LecteursListes(toutes, true).size(), 26U);
}

// Les bandes fixes cachées sortent de l'ordre des arrangements, les lecteurs
// (clés 1 à n) y restent toujours.
TEST(BandesFixes, ClesCanoniquesSelonLesInterrupteurs) {
    struct Cas {
        bool date, heure, mem, physique, charge, cpu, moyenne;
        int disques;
        std::vector<int> attendu;
        bool echantillonnee;
    };
    const Cas cas[] = {
        {true, true, true, true, true, false, false, 0, {-1, -2, -3, -4}, true},
        {false, true, false, false, false, false, false, 1, {-1, 1}, false},
        {false, false, false, false, false, false, false, 2, {1, 2}, false},
        {false, false, false, true, false, false, true, 0, {-3, -6}, true},
        {true, false, false, false, false, true, false, 0, {-1, -5}, true},
    };
    for (const auto& k : cas) {
        test::ConfigEssai e;
        TConfig& c = e.Config;
        c.Date = k.date;
        c.Heure = k.heure;
        c.Mem = k.mem;
        c.MemPhysique = k.physique;
        c.MemoryLoad = k.charge;
        c.ChargeProcesseur = k.cpu;
        c.MoyenneChargeProcesseur = k.moyenne;
        EXPECT_EQ(ClesCanoniques(k.disques, c), k.attendu) << k.disques;
        EXPECT_EQ(BandeEchantillonnee(c), k.echantillonnee);
    }
    EXPECT_EQ(ClesDesBandes(2), (std::vector<int>{-1, -2, -3, -4, -5, -6, 1, 2}));
}

} // namespace
} // namespace pulsodex
