#include <gtest/gtest.h>

#include "Factices.h"
#include "Fichiers.h"
#include "core/commun/Erreur.h"
#include "core/probes/Processeur.h"
#include "linux/ProcesseurLinux.h"

namespace pulsodex::test {
namespace {

TEST(LireStat, InstancesPuisEnsembleEnDernier) {
    std::vector<CompteursCpu> c;
    ASSERT_TRUE(LireStat("cpu  100 0 50 800 50 0 0 0 30 0\ncpu0 60 0 20 400 20 0 0 0 0 0\n"
                         "cpu1 40 0 30 400 30 0 0 0 30 0\nintr 5\n",
                         c));
    ASSERT_EQ(c.size(), 3U);
    // guest (30) est déjà dans user : non compté deux fois.
    EXPECT_EQ(c[2], (CompteursCpu{1000, 850}));
    EXPECT_EQ(c[0], (CompteursCpu{500, 420}));
    // Anciens noyaux : quatre champs seulement.
    ASSERT_TRUE(LireStat("cpu 10 0 10 80\n", c));
    EXPECT_EQ(c, (std::vector<CompteursCpu>{{100, 80}}));
    // Rien d'utilisable.
    EXPECT_FALSE(LireStat("", c));
    EXPECT_FALSE(LireStat("intr 1 2\n", c));
    EXPECT_FALSE(LireStat("cpu  100 0 5", c)); // ligne tronquée
    EXPECT_TRUE(c.empty());
}

TEST(Echantillonneur, PremierReleveNulPuisFractionOccupee) {
    SourceCpuFactice source;
    source.Releves = {{{100, 50}}, {{200, 100}}, {{300, 100}}, {{300, 100}}};
    EchantillonneurCpu cpu(source);
    EXPECT_EQ(cpu.GetCpuLoad(), 0);  // premier relevé
    EXPECT_EQ(cpu.GetCpuLoad(), 50); // 50 inactifs sur 100
    EXPECT_EQ(cpu.GetCpuLoad(), 100);
    EXPECT_EQ(cpu.GetCpuLoad(), 0); // même instant : 0
    EXPECT_EQ(cpu.CpuInstanceCount(), 1);
    EXPECT_THROW(static_cast<void>(cpu.CpuInstanceUsage(1)), Erreur);
    EXPECT_THROW(static_cast<void>(cpu.CpuInstanceUsage(-1)), Erreur);

    // Plusieurs processeurs : la charge est celle de l'ensemble, relevé en
    // dernier, pas celle du premier (inactif) ni du deuxième (plein).
    SourceCpuFactice trois;
    trois.Releves = {{{100, 100}, {100, 100}, {200, 200}}, {{200, 200}, {200, 100}, {400, 300}}};
    EchantillonneurCpu ensemble(trois);
    EXPECT_EQ(ensemble.GetCpuLoad(), 0);
    EXPECT_EQ(ensemble.GetCpuLoad(), 50);
    EXPECT_EQ(ensemble.CpuInstanceCount(), 3);
}

TEST(Echantillonneur, CompteurQuiReculeEtProcesseursAjoutes) {
    const auto lire = [](const char* dossier) {
        std::vector<CompteursCpu> c;
        EXPECT_TRUE(ProcesseurLinux(CheminDonnee(dossier)).Lire(c)) << dossier;
        return c;
    };
    const auto deux = lire("proc/deux_cpu");
    SourceCpuFactice source;
    source.Releves = {deux, lire("proc/compteur_recule"), deux, lire("proc/quatre_cpu"), deux};
    EchantillonneurCpu cpu(source);
    EXPECT_EQ(cpu.GetCpuLoad(), 0);
    EXPECT_EQ(cpu.GetCpuLoad(), 0); // compteurs en recul (reprise) : 0, jamais énorme
    EXPECT_EQ(cpu.GetCpuLoad(), 9); // 1000 inactifs de plus sur 1100
    EXPECT_EQ(cpu.GetCpuLoad(), 0); // deux processeurs de plus : on repart à zéro
    EXPECT_EQ(cpu.CpuInstanceCount(), 5);
    EXPECT_EQ(cpu.GetCpuLoad(), 0); // deux de moins
    EXPECT_EQ(cpu.CpuInstanceCount(), 3);
}

TEST(Echantillonneur, ReleveRateDonneZeroLuUneFoisParTic) {
    ProcesseurLinux absent("/chemin/qui/n/existe/pas");
    EchantillonneurCpu sansFichier(absent);
    EXPECT_EQ(sansFichier.GetCpuLoad(), 0);
    EXPECT_EQ(sansFichier.CpuInstanceCount(), 0);
    SourceCpuFactice source;
    source.Releves.push_back({}); // rien de lisible, tic après tic
    EchantillonneurCpu cpu(source);
    for (int tic = 1; tic <= 3; ++tic) {
        EXPECT_EQ(cpu.GetCpuLoad(), 0);
        EXPECT_EQ(source.Lectures, tic);
    }
}

} // namespace
} // namespace pulsodex::test
