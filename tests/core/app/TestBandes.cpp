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
    // [a 100][b 50][c reste] / [d reste] ; e cachée ; la première visible ouvre une rangée.
    const Disposition d =
        Disposer({B(-9, false, true, 10), B(-1, true, false, 100), B(-2, true, false, 50),
                  B(-3, true, false, 40), B(-4, false, false, 70), B(-5, true, true, 30, 24)},
                 300);
    EXPECT_EQ(d.Hauteur, 20 + 24);
    EXPECT_EQ(d.Placements[3].Gauche, 150);
    EXPECT_EQ(d.Placements[3].Largeur, 150);
    EXPECT_FALSE(d.Placements[4].Visible);
    EXPECT_EQ(d.Placements[5].Haut, 20);
    EXPECT_EQ(d.Placements[5].Largeur, 300);
    // Trop étroit : la rangée se partage la largeur, rien ne sort du conteneur.
    const Disposition etroite = Disposer({B(-1, true, true, 200), B(-2, true, false, 10)}, 100);
    EXPECT_EQ(etroite.Placements[1].Gauche, 50);
    EXPECT_EQ(etroite.Placements[1].Largeur, 50);
}

// Bandes de largeur donnée, toutes à rupture ; clés et visibilité données.
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

// Les ruptures et largeurs de toutes les bandes, pour comparer d'un coup.
std::vector<std::pair<bool, int>> Formes(const ModeleBandes& m) {
    std::vector<std::pair<bool, int>> formes;
    for (const Bande& b : m.Bandes()) {
        formes.emplace_back(b.Rupture, b.Largeur);
    }
    return formes;
}

TEST(Reorganisation, LigneColonneEtAvancee) {
    ModeleBandes ligne = Modele({{-1, true}, {-2, true}, {-3, false}, {-4, true}});
    ReorgLigne(ligne, 301); // cachée : intacte
    EXPECT_EQ(Formes(ligne), (std::vector<std::pair<bool, int>>{{0, 100}, {0, 100}, {1, 218}, {0, 100}}));
    ModeleBandes vide = Modele({{-1, false}, {-2, false}});
    ReorgLigne(vide, 301); // aucune visible : rien ne change
    EXPECT_EQ(Formes(vide), (std::vector<std::pair<bool, int>>{{1, 218}, {1, 218}}));

    ModeleBandes colonne = Modele({{-1, true}, {-2, false}, {1, true}});
    colonne.A(0).Rupture = false;
    ReorgColonne(colonne, 250); // même les cachées
    EXPECT_EQ(Formes(colonne), (std::vector<std::pair<bool, int>>{{1, 250}, {1, 250}, {1, 250}}));

    // Bandes fixes seules sur leur rangée, largeur inchangée ; disques deux par rangée.
    ModeleBandes m = Modele({{-1, true}, {-2, true}, {1, true}, {2, true}, {3, true}, {-5, false}});
    ReorgAvance(m, 300);
    EXPECT_EQ(Formes(m), (std::vector<std::pair<bool, int>>{
                             {1, 218}, {1, 218}, {1, 150}, {0, 150}, {1, 150}, {1, 218}}));
    EXPECT_EQ(m.Disposer(300).Hauteur, 4 * 20);
}

TEST(Reorganisation, OrdreCanoniqueAvantLArrangement) {
    // Ordre de conception : date, mém. totale, taux, mém. physique, cpu, moyenne.
    ModeleBandes m = Modele(
        {{-1, true}, {-2, true}, {-4, true}, {-3, true}, {-5, false}, {-6, true}, {1, true}, {2, true}});
    Reorganiser(m, Organisation::Avancee, {-1, -2, -3, -4, -6, 1, 2}, 300);
    EXPECT_EQ(Ordre(m), (std::vector<int>{-1, -2, -3, -4, -6, 1, 2, -5}));
    EXPECT_FALSE(m.A(6).Rupture); // le total des disques fait la paire avec le premier disque
    ModeleBandes n = Modele({{-2, true}, {-1, true}});
    Reorganiser(n, Organisation::Manuelle, {-1, -2}, 300);
    EXPECT_EQ(Ordre(n), (std::vector<int>{-2, -1}));
}

TEST(ModeleBandes, GlisserDeposer) {
    // Une rangée [a b c] puis [d].
    auto m = [] {
        ModeleBandes r = Modele({{-1, true}, {-2, true}, {-3, true}, {-4, true}}, 100);
        r.A(1).Rupture = r.A(2).Rupture = false;
        return r;
    };
    struct Cas {
        const char* nom;
        int bande, x, y;
        std::vector<int> ordre;
        std::vector<std::pair<bool, int>> formes;
    };
    const Cas cas[] = {
        {"c devant a", 2, 10, 5, {-3, -1, -2, -4}, {{1, 100}, {0, 100}, {0, 100}, {1, 100}}},
        {"a après d", 0, 250, 25, {-2, -3, -4, -1}, {{1, 100}, {0, 100}, {1, 100}, {0, 100}}},
        {"b sous tout", 1, 50, 200, {-1, -3, -4, -2}, {{1, 100}, {0, 100}, {1, 100}, {1, 100}}},
        {"b sur elle-même", 1, 120, 5, {-1, -2, -3, -4}, {{1, 100}, {0, 100}, {0, 100}, {1, 100}}},
    };
    for (const auto& k : cas) {
        ModeleBandes r = m();
        r.Deposer(k.bande, k.x, k.y, 300);
        EXPECT_EQ(Ordre(r), k.ordre) << k.nom;
        EXPECT_EQ(Formes(r), k.formes) << k.nom;
    }
    // Sur une rangée déjà pleine (deux disques de 90 dans 180) : la bande reste
    // visible là où elle est lâchée, les trois se partagent la rangée.
    ModeleBandes f = Modele({{2, true}, {3, true}, {4, true}}, 90);
    f.A(1).Rupture = false;
    f.Deposer(2, 100, 5, 180);
    EXPECT_EQ(Ordre(f), (std::vector<int>{2, 4, 3}));
    EXPECT_EQ(f.Disposer(180).Placements[2].Gauche, 120);
    EXPECT_EQ(Formes(f), (std::vector<std::pair<bool, int>>{{1, 60}, {0, 60}, {0, 60}}));
    // Bord droit de a (x = 100) : pris ; celui de c (dernière) : non.
    EXPECT_EQ(m().BordDroitSous(101, 5, 300), 0);
    EXPECT_EQ(m().BordDroitSous(299, 5, 300), -1);
}

class PersistanceTest : public ::testing::Test {
protected:
    void SetUp() override { c.ChargeEnvironnement(); }
    test::ConfigEssai e;
    TConfig& c = e.Config;
    const std::vector<int> cles{-1, -2, -3, -4, -5, -6};
    const std::string section = "1024x768\\Emplacement";
    // L'ordre de conception du conteneur.
    static ModeleBandes Conception() {
        return Modele({{-1, true}, {-2, true}, {-4, true}, {-3, true}, {-5, false}, {-6, false}});
    }
};

TEST_F(PersistanceTest, AllerRetourAvecDesBandesCachees) {
    ModeleBandes m = Conception();
    ReorgOrdre(m, {-6, -4, -1});
    m.A(0).Largeur = 90;
    m.A(1).Rupture = false;
    m.A(1).Largeur = 70;
    SauverDisposition(m, c, cles);
    EXPECT_EQ(e.Reg.Lire(section, "Order-4"), "1");
    EXPECT_EQ(e.Reg.Lire(section, "Break-4"), "0");
    ModeleBandes relu = Conception();
    RestaurerDisposition(relu, c, cles);
    EXPECT_EQ(Ordre(relu), Ordre(m));
    EXPECT_EQ(Formes(relu), Formes(m));
}

TEST_F(PersistanceTest, DisqueRetireDecaleLesEmplacementsEtBandeAbsente) {
    ModeleBandes m = Conception();
    m.Ajouter(B(1, true, true, 111));
    m.Ajouter(B(2, true, false, 122));
    SauverDisposition(m, c, {-1, -2, -3, -4, -5, -6, 1, 2, 3});
    // Emplacement 3 absent : sans rupture, largeur 0, position -1.
    EXPECT_EQ(e.Reg.Lire(section, "Break3"), "0");
    EXPECT_EQ(e.Reg.Lire(section, "Width3"), "0");
    EXPECT_EQ(e.Reg.Lire(section, "Order3"), "-1");
    // Un disque de moins : celui qui reste prend la disposition de l'emplacement 1.
    ModeleBandes moins = Conception();
    moins.Ajouter(B(1, true, true, 218));
    RestaurerDisposition(moins, c, {-1, -2, -3, -4, -5, -6, 1});
    EXPECT_EQ(moins.A(6).Largeur, 111);
    EXPECT_TRUE(moins.A(6).Rupture);
}

TEST_F(PersistanceTest, OrdresEtLargeursAberrants) {
    const std::pair<const char*, const char*> valeurs[] = {
        {"Order-1", "40"}, {"Width-1", "77"}, {"Order-2", "-7"},  // hors des bandes et de la table
        {"Width-2", "55"}, {"Order-3", "0"},  {"Width-3", "-5"}}; // largeur négative : inchangée
    for (const auto& [nom, texte] : valeurs) {
        e.Reg.WriteString(section, nom, texte);
    }
    ModeleBandes m = Conception();
    RestaurerDisposition(m, c, cles);
    EXPECT_EQ(m.A(0).Cle, -3);
    EXPECT_EQ(Formes(m), Formes(Conception()));
}

TEST(GeometrieFenetre, RameneeSurLesEcransPresents) {
    const std::vector<Rectangle> un = {{0, 0, 1280, 1000}};
    // Deux écrans côte à côte ; le second seul (le premier débranché) ; un
    // écran à gauche du principal ; une barre en haut ; aucun écran connu.
    const std::vector<Rectangle> deux = {{0, 0, 1280, 1024}, {1280, 0, 1280, 1024}};
    const std::vector<Rectangle> droiteSeul = {{1280, 0, 1280, 1024}};
    const std::vector<Rectangle> aGauche = {{0, 0, 1280, 1024}, {-1280, 0, 1280, 1024}};
    const std::vector<Rectangle> barreEnHaut = {{0, 30, 1280, 994}};
    const std::vector<Rectangle> aucun;
    struct Cas {
        Rectangle fenetre;
        const std::vector<Rectangle>& zones;
        Rectangle attendu;
    };
    // clang-format off
    const Cas cas[] = {
        {{0, 990, 180, 60}, un, {0, 940, 180, 60}},        {{500, 500, 2000, 2000}, un, {0, 0, 2000, 2000}},
        {{1600, 100, 180, 60}, deux, {1600, 100, 180, 60}}, {{1200, 100, 180, 60}, deux, {1200, 100, 180, 60}},
        {{2500, 100, 180, 60}, deux, {2380, 100, 180, 60}}, {{1600, 100, 180, 60}, un, {1100, 100, 180, 60}},
        {{5000, 3000, 180, 60}, deux, {2380, 964, 180, 60}}, {{100, 100, 180, 60}, droiteSeul, {1280, 100, 180, 60}},
        {{-1000, 100, 180, 60}, aGauche, {-1000, 100, 180, 60}}, {{-1000, 100, 180, 60}, deux, {0, 100, 180, 60}},
        {{0, 0, 180, 60}, barreEnHaut, {0, 30, 180, 60}},   {{-7, 5000, 180, 60}, aucun, {-7, 5000, 180, 60}}};
    // clang-format on
    for (const auto& k : cas) {
        EXPECT_EQ(GarderSurEcrans(k.fenetre, k.zones), k.attendu)
            << k.fenetre.Gauche << "," << k.fenetre.Haut << " sur " << k.zones.size() << " écran(s)";
    }
    EXPECT_EQ(ZoneSous(3, 180), ZoneSouris::BordGauche);
    EXPECT_EQ(ZoneSous(4, 180), ZoneSouris::Deplacement);
    EXPECT_EQ(ZoneSous(176, 180), ZoneSouris::Deplacement);
    EXPECT_EQ(ZoneSous(177, 180), ZoneSouris::BordDroit);
}

// Sous Wayland avec XWayland, X11, où la barre se place et reste au-dessus ;
// le choix de l'utilisateur prime toujours (ces deux cas sont vus de bout en bout).
TEST(Affichage, GreffonImpose) {
    struct Cas {
        EnvironnementAffichage env;
        bool capture;
        const char* attendu;
    };
    // clang-format off
    const Cas cas[] = {
        {{"", "wayland-0", ""}, false, "wayland"}, {{"", "", ":0"}, false, ""}, {{"offscreen", "", ""}, true, ""},
        {{"", "", ""}, true, "offscreen"}, {{"", "", ":0"}, true, ""}, {{"", "wayland-0", ":0"}, true, "xcb"}};
    // clang-format on
    for (const auto& k : cas) {
        EXPECT_EQ(PlateformeImposee(k.env, k.capture), k.attendu)
            << "QT_QPA_PLATFORM=" << k.env.Plateforme << " WAYLAND_DISPLAY=" << k.env.Wayland
            << " DISPLAY=" << k.env.X11 << (k.capture ? " --capture" : "");
    }
}

// Le tri des lettres est vu par la fenêtre.
TEST(Lecteurs, VingtSeptEmplacementsAuPlus) {
    // 26 lettres + le total : la dernière lettre n'a plus d'emplacement.
    const std::string toutes = "ABCDEFGHIJKLMNOPQRSTUVWXYZAB";
    EXPECT_EQ(LecteursListes(toutes, false).size(), 27U);
    EXPECT_EQ(LecteursListes(toutes, true).size(), 26U);
}

// Les bandes fixes cachées sortent de l'ordre des arrangements, les lecteurs
// (clés 1 à n) y restent toujours.
TEST(BandesFixes, ClesCanoniquesSelonLesInterrupteurs) {
    test::ConfigEssai e;
    TConfig& c = e.Config;
    c.Date = c.Heure = c.Mem = c.MemPhysique = c.MemoryLoad = true;
    c.ChargeProcesseur = c.MoyenneChargeProcesseur = c.PublierMesures = false;
    EXPECT_EQ(ClesCanoniques(0, c), (std::vector<int>{-1, -2, -3, -4}));
    EXPECT_TRUE(BandeEchantillonnee(c));
    c.Date = c.Mem = c.MemPhysique = c.MemoryLoad = false;
    EXPECT_EQ(ClesCanoniques(1, c), (std::vector<int>{-1, 1})); // l'heure seule
    EXPECT_FALSE(BandeEchantillonnee(c));
    c.Heure = false;
    c.MemPhysique = c.MoyenneChargeProcesseur = true;
    EXPECT_EQ(ClesCanoniques(0, c), (std::vector<int>{-3, -6}));
    c.Date = c.PublierMesures = true; // la page des mesures demande le tic, même sans bande à servir
    c.MemPhysique = c.MoyenneChargeProcesseur = false;
    EXPECT_EQ(ClesCanoniques(0, c), (std::vector<int>{-1}));
    EXPECT_TRUE(BandeEchantillonnee(c));
    EXPECT_EQ(ClesDesBandes(2), (std::vector<int>{-1, -2, -3, -4, -5, -6, 1, 2}));
}

} // namespace
} // namespace pulsodex
