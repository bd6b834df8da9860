#include <gtest/gtest.h>

#include "Factices.h"
#include "Fichiers.h"
#include "core/probes/Memoire.h"

namespace pulsodex::test {
namespace {

TEST(Meminfo, NoyauRecentEtAncien) {
    EXPECT_EQ(LireMeminfo(
                  "MemTotal:       16000000 kB\nMemFree:         1000000 kB\n"
                  "MemAvailable:    4000000 kB\nSwapTotal:       2000000 kB\nSwapFree:        1500000 kB\n"),
              (StatutMemoire{16000000LL * 1024, 4000000LL * 1024, 18000000LL * 1024, 5500000LL * 1024, 75}));

    // Sans MemAvailable : libre + tampons + cache.
    auto ancien = LireMeminfo(LireDonnee("proc/ancien_noyau/meminfo"));
    ASSERT_TRUE(ancien);
    EXPECT_EQ(ancien->AvailPhys, (112304LL + 150272 + 932512) * 1024);
    EXPECT_EQ(ancien->TotalPageFile, (2061876LL + 1048572) * 1024);
    EXPECT_EQ(ancien->MemoryLoad, 42); // 1 - 1195088 / 2061876 = 42,04 %
}

TEST(Meminfo, ReleveIncompletOuAbsurde) {
    for (const char* texte :
         {"", "MemFree: 10 kB\n", "MemTotal: 0 kB\nMemAvailable: 0 kB\n", "MemTotal: abc kB\nMemFree: 1 kB\n",
          "MemTotal: 99999999999999999999 kB\nMemFree: 1 kB\n",
          "MemTotal: 2251799813685248 kB\nMemFree: 1 kB\n"}) {
        EXPECT_FALSE(LireMeminfo(texte)) << texte;
    }
    EXPECT_FALSE(LireMeminfo(LireDonnee("proc/tronque/meminfo")));
    // Des champs énormes, chacun lisible seul, ne font pas déborder leurs sommes.
    const auto enorme = LireMeminfo("MemTotal: 2251799813685247 kB\nMemFree: 2251799813685247 kB\n"
                                    "Buffers: 2251799813685247 kB\nCached: 2251799813685247 kB\n"
                                    "SwapTotal: 2251799813685247 kB\nSwapFree: 2251799813685247 kB\n");
    ASSERT_TRUE(enorme);
    EXPECT_EQ(enorme->AvailPhys, enorme->TotalPhys);
    EXPECT_EQ(enorme->AvailPageFile, enorme->TotalPageFile);
    // Disponible au-delà du total : ramené au total.
    EXPECT_EQ(LireMeminfo("MemTotal: 100 kB\nMemAvailable: 200 kB\n"),
              (StatutMemoire{100 * 1024, 100 * 1024, 100 * 1024, 100 * 1024, 0}));
}

// Tout se lit en un passage, dans n'importe quel ordre ; la première ligne
// d'un nom décide, un nom qui n'en est que le début ne compte pas.
TEST(Meminfo, OrdreQuelconqueEtPremiereLigneQuiDecide) {
    EXPECT_EQ(LireMeminfo("SwapFree: 10 kB\nMemAvailableX: 1 kB\nMemTotal: 100 kB\nSwapTotal: 20 kB\n"
                          "MemAvailable: 40 kB\nMemTotal: 999 kB\nMemAvailable: 1 kB\n"),
              (StatutMemoire{100 * 1024, 40 * 1024, 120 * 1024, 50 * 1024, 60}));
    // Une première ligne illisible décide aussi : pas de repli sur la suivante.
    EXPECT_FALSE(LireMeminfo("MemTotal: kB\nMemTotal: 100 kB\nMemFree: 1 kB\n"));
}

TEST(Memoire, PourcentagesArrondis) {
    struct Cas {
        double part, total;
        int attendu;
    };
    const Cas cas[] = {{1, 200, 0},   {3, 200, 2},      {2, 200, 1},    {199, 200, 100},
                       {201, 200, 0}, {0, 200, 0},      {-5, 200, 0},   {10.4, 100, 10},
                       {9.4, 100, 9}, {99.5, 100, 100}, {0.51, 100, 1}, {1, 0, 0}};
    for (const auto& k : cas) {
        EXPECT_EQ(PourcentageArrondi(k.part, k.total), k.attendu) << k.part << "/" << k.total;
    }
    SourceMemoireFactice source;
    source.Statut = {1000, 400, 2000, 500, 60};
    SondesMemoire sondes(source);
    EXPECT_EQ(SondesMemoire::GetMemPercent(500, 2000), 25);
    EXPECT_EQ(SondesMemoire::GetMemPercent(400, 1000), 40);
    EXPECT_EQ(sondes.GetMaxMem(), 2000);
    EXPECT_EQ(sondes.GetMaxRealMem(), 1000);
    EXPECT_EQ(sondes.GetCurrentMem(), 500);
    EXPECT_EQ(sondes.GetCurrentRealMem(), 400);
    EXPECT_EQ(sondes.GetMemoryLoad(), 60);
    EXPECT_EQ(SondesMemoire::GetMemPercent(500, 0), 0); // total nul : pas de division
}

} // namespace
} // namespace pulsodex::test
