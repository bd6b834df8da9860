#include <gtest/gtest.h>

#include "ConfigEssai.h"
#include "core/app/CycleRafraichissement.h"
#include "core/app/HistoriqueCpu.h"
#include "core/app/Jauge.h"
#include "core/probes/Formats.h"

namespace pulsodex::test {
namespace {

TEST(HistoriqueCpu, MoyenneGlissante) {
    HistoriqueCpu h;
    EXPECT_EQ(h.MoyenneCpu(30, 1, 1000), 30);
    EXPECT_EQ(h.MoyenneCpu(41, 1, 1000), 35);      // 71 div 2
    EXPECT_EQ(HistoriqueCpu::Fenetre(255, 0), 0U); // période nulle : pas de division

    // Fenêtre de 240 échantillons : les plus anciens sortent.
    HistoriqueCpu f;
    for (int i = 0; i < 240; ++i) {
        f.MoyenneCpu(100, 2, 500);
    }
    EXPECT_EQ(f.MoyenneCpu(0, 2, 500), 99); // 239 × 100 / 240

    // Fenêtre nulle : l'échantillon seul.
    EXPECT_EQ(f.MoyenneCpu(77, 0, 1000), 77);
}

class CycleTest : public ::testing::Test {
protected:
    ConfigEssai e;
    SourceMemoireFactice memoire;
    SourceCpuFactice processeur;
    SondesMemoire sondes{memoire};
    EchantillonneurCpu cpu{processeur};
    CycleRafraichissement cycle{sondes, cpu};
};

TEST_F(CycleTest, RedessineSeulementCeQuiChangeEtSondeSeulementCeQuiEstAffiche) {
    TConfig& c = e.Config;
    // Défauts : mémoire totale, physique et taux ; pas de processeur.
    EXPECT_EQ(cycle.Echantillonner(c), (Redessins{false, false, true, true, true}));
    EXPECT_EQ(processeur.Lectures, 0);
    EXPECT_EQ(memoire.Lectures, 1); // un seul relevé pour les trois bandes
    EXPECT_EQ(cycle.Echantillonner(c), Redessins{});
    memoire.Statut.AvailPhys -= 4096;
    EXPECT_EQ(cycle.Echantillonner(c), (Redessins{false, false, false, false, true}));

    // Après une construction, tout est redessiné.
    cycle.Reinitialiser();
    EXPECT_EQ(cycle.Echantillonner(c), (Redessins{false, false, true, true, true}));

    // Une seule sonde du processeur pour les deux bandes.
    c.ChargeProcesseur = c.MoyenneChargeProcesseur = true;
    c.Mem = c.MemPhysique = c.MemoryLoad = false;
    const int lectures = memoire.Lectures;
    processeur.Releves = {{{100, 100}}, {{200, 150}}};
    cycle.Echantillonner(c);
    EXPECT_EQ(cycle.Echantillonner(c), (Redessins{true, true, false, false, false}));
    EXPECT_EQ(cycle.Courants().ChargeCpu, 50);
    EXPECT_EQ(cycle.Courants().ChargeCpuMoyenne, 25); // (0 + 50) / 2
    EXPECT_EQ(processeur.Lectures, 2);
    EXPECT_EQ(memoire.Lectures, lectures);

    // La page des mesures relève la mémoire sans bande qui la montre.
    c.PublierMesures = true;
    cycle.Echantillonner(c);
    EXPECT_EQ(memoire.Lectures, lectures + 1);
    EXPECT_EQ(cycle.Memoire().AvailPhys, memoire.Statut.AvailPhys);
}

TEST(Jauge, BarresCouleursEtInversion) {
    ConfigEssai e;
    const TConfig& c = e.Config;
    struct Cas {
        int pourcent;
        bool inverse;
        int largeur;
        std::int32_t couleur;
        int longueur;
    };
    // Couleurs par défaut : 0-20 128, 21-40 16512, 41-60 32896, 61-100 32768, fond 0x8000000F.
    const std::int32_t Fond = static_cast<std::int32_t>(0x8000000F);
    // clang-format off
    const Cas cas[] = {
        {10, true, 200, 128, 180}, // processeur à 90 %
        {0, true, 200, 128, 200},  // jauge éteinte, inversée : pleine
        {0, false, 200, 128, 0},     {20, false, 100, 128, 20},    {21, false, 100, 16512, 21},
        {40, false, 100, 16512, 40}, {41, false, 100, 32896, 41},  {60, false, 100, 32896, 60},
        {61, false, 100, 32768, 61}, {100, false, 99, 32768, 99},  {101, false, 100, Fond, 101},
        {101, true, 100, Fond, 0},   {50, false, 3, 32896, 1}}; // division entière
    // clang-format on
    for (const auto& k : cas) {
        const Barre b = CalculerBarre(static_cast<std::uint8_t>(k.pourcent), k.inverse, k.largeur, c);
        EXPECT_EQ(b, (Barre{k.couleur, k.longueur})) << k.pourcent << (k.inverse ? " inversé" : "");
    }
    EXPECT_EQ(PositionLegende(50, 10, 80, 13), (Point{-14, -1})); // plus large : à gauche du bord
    EXPECT_EQ(CouleurActivite(Activite::Repos, c), Fond);
    EXPECT_EQ(CouleurActivite(Activite::Suppression, c), 32768);
}

TEST(Jauge, ContenusDesJaugesFixes) {
    ConfigEssai e;
    TConfig& c = e.Config;
    const FormatNombres fr{" ", ","};
    // Processeur à 90 % (moyenne 7), taux 60, 500 octets libres sur 2000, mémoire physique pleine.
    Echantillons ech{90, 7, 60, 500, 0, 2000, 1000};

    ContenuJauge mem = Contenu(JaugeFixe::Mem, c, ech, fr);
    EXPECT_EQ(mem.Pourcent, 25);
    EXPECT_EQ(mem.Legende, "500 octets libres");
    EXPECT_EQ(Contenu(JaugeFixe::RealMem, c, ech, fr).Legende, "Mémoire physique remplie");
    ech.MemLibre = 0;
    EXPECT_EQ(Contenu(JaugeFixe::Mem, c, ech, fr).Legende, "Mémoire remplie !");
    const ContenuJauge cpu = Contenu(JaugeFixe::Cpu, c, ech, fr);
    EXPECT_EQ(cpu.Pourcent, 10);
    EXPECT_TRUE(cpu.Inverse);
    EXPECT_EQ(cpu.Legende, "Utilisation CPU : 90 %");
    EXPECT_EQ(Contenu(JaugeFixe::CpuMoy, c, ech, fr).Legende, "Moyenne CPU : 7 %");
    const ContenuJauge taux = Contenu(JaugeFixe::MemoryLoad, c, ech, fr);
    EXPECT_EQ(taux.Pourcent, 40);
    EXPECT_EQ(taux.Legende, "Utilisation mémoire : 60 %");
    c.JaugeCpu = false; // jauge éteinte : barre à 0, légende gardée
    EXPECT_EQ(Contenu(JaugeFixe::Cpu, c, ech, fr).Pourcent, 0);
    c.ModeAffichageMemoire = ModeAffichageMemoire::Mo;
    ech.MemPhysiqueLibre = 1572864;
    EXPECT_EQ(Contenu(JaugeFixe::RealMem, c, ech, fr).Legende, "1,50 Mo libres");
}

} // namespace
} // namespace pulsodex::test
