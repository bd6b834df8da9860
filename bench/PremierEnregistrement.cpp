// Banc d'essai : le premier enregistrement des réglages après un arrêt
// brutal, qui a laissé un « Pulsodex.conf.lock » vide, à côté du même
// enregistrement sans verrou laissé. Chaque passage : création du registre
// (lecture du fichier), un changement, Synchroniser (verrou, relecture,
// écriture poussée sur le disque, renommage, vérification). Le compteur
// « pauses » est le nombre d'attentes du verrou par enregistrement.
//
//   bench_premier_enregistrement [DOSSIER]   (par défaut, le dossier temporaire)
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/config/RegistreFichier.h"
#include "linux/HorlogeLinux.h"
#include "linux/StockageFichier.h"

namespace {
using namespace pulsodex;

std::filesystem::path g_dossier;

// Un fichier des réglages d'usage courant : une résolution, des jauges, des bandes.
std::string FichierCourant() {
    std::string texte = "[General]\nTestMiseAJour=Non\nVersion=1.0 B\xC3\xA9ta 2\n\n[1280x1024]\n";
    for (int bande = -6; bande <= 4; ++bande) {
        for (const char* nom : {"Break", "Order", "Width"}) {
            texte += "Emplacement\\";
            texte += nom;
            texte += std::to_string(bande);
            texte += "=1\n";
        }
    }
    texte += "ChaineDate=dd/mm/yyyy\nChaineHeure=hh:nn\nListeDisques=C\n\n[Jauges]\nCpu=Oui\nMem=Oui\n";
    return texte;
}

void Enregistrer(benchmark::State& etat, bool verrouLaisse) {
    const std::filesystem::path fichier = g_dossier / "Pulsodex.conf";
    const std::string contenu = FichierCourant();
    HorlogeLinux horloge;
    TempsVerrouSysteme temps;
    long pauses = 0;
    long tour = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        std::ofstream(fichier, std::ios::binary | std::ios::trunc) << contenu;
        if (verrouLaisse) {
            ::close(::open((fichier.string() + ".lock").c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644));
        }
        etat.ResumeTiming();
        StockageFichier stockage(fichier.string(), temps);
        RegistreFichier reg(stockage, horloge);
        reg.WriteString("1280x1024", "DecalageHaut", std::to_string(++tour));
        if (!reg.Synchroniser()) {
            etat.SkipWithError(reg.ErreurEcriture().c_str());
            break;
        }
        pauses += stockage.Attentes();
    }
    etat.counters["pauses"] =
        benchmark::Counter(static_cast<double>(pauses), benchmark::Counter::kAvgIterations);
}

void VerrouLaisseParUnArret(benchmark::State& etat) {
    Enregistrer(etat, true);
}
void SansVerrouLaisse(benchmark::State& etat) {
    Enregistrer(etat, false);
}
BENCHMARK(VerrouLaisseParUnArret)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(SansVerrouLaisse)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    g_dossier =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::temp_directory_path() / ("pulsodex-banc-" + std::to_string(::getpid()));
    std::filesystem::create_directories(g_dossier);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (argc <= 1) {
        std::filesystem::remove_all(g_dossier);
    }
    return 0;
}
