// Banc d'essai : un tic de rafraîchissement complet sur le vrai /proc (sans
// la peinture) à côté du plancher physique mesuré dans le même passage : les
// mêmes fichiers lus par pread sur des descripteurs gardés ouverts, et un
// statvfs, rien d'autre. Le rapport tic / plancher est affiché à la fin. Le
// lecteur C (« / », local) est lu dans le tic ; un chemin qui passe par un fil
// de sonde (partage réseau, disque amovible) est relevé par ce fil à la
// période du rafraîchissement, hors du tic : le coût de ses relevés est
// affiché à part.
//
//   bench_tic                      mesure (5 répétitions entrelacées)
//   bench_tic --compter N [grande] N tics puis N planchers, sans chronomètre
//                                  (pour compter les instructions sous callgrind),
//                                  avec les bandes du processeur ou la grande
//                                  configuration
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <new>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ConfigEssai.h"
#include "core/app/Avertissements.h"
#include "core/app/CycleRafraichissement.h"
#include "core/app/Disque.h"
#include "core/app/Lecteurs.h"
#include "core/app/SurveillanceResolution.h"
#include "core/commun/Trace.h"
#include "core/probes/CarteLecteurs.h"
#include "core/probes/Disques.h"
#include "core/probes/Formats.h"
#include "core/probes/Memoire.h"
#include "core/probes/Processeur.h"
#include "linux/DisquesLinux.h"
#include "linux/MemoireLinux.h"
#include "linux/ProcesseurLinux.h"

// --- Compteur d'allocations : le régime établi ne doit rien allouer ---

namespace {
std::atomic<std::uint64_t> g_allocations{0};
}

// new et delete restent hors ligne : gcc prendrait sinon le free() d'un
// pointeur venu de new pour une erreur.
[[gnu::noinline]] void* operator new(std::size_t taille) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(taille == 0 ? 1 : taille)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t taille) {
    return ::operator new(taille);
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace pulsodex;

// Grande : les bandes du processeur, la moyenne sur 60 minutes, les lecteurs
// C à J (C sur /, lu dans le tic ; D à J sur sept dossiers, relevés par le
// releveur), leur total et 200 règles sur ces lecteurs, dont aucune ne sonne.
enum class Bandes { Defaut, AvecProcesseur, Grande };

// L'écran factice ne change pas de taille : la boîte ne s'ouvre jamais.
class DialogueAbsent : public DialogueResolution {
public:
    [[nodiscard]] bool Existe() const override { return false; }
    void Creer() override { std::abort(); }
    void FixerQuestion(const std::string&, bool) override { std::abort(); }
    void Montrer(std::function<void(Reponse)>) override { std::abort(); }
    void Annuler() override { std::abort(); }
};

// Ce que fait MinuterieTimer, moins la peinture : les deux marqueurs, les
// sondes et les comparaisons, les lecteurs (la configuration par défaut liste
// C, soit /, interrogé par la couche des disques), les
// avertissements, la surveillance de la résolution.
class BancTic {
public:
    explicit BancTic(Bandes bandes) {
        TConfig& c = m_essai.Config;
        m_essai.DejaLance();
        c.ChargeTout();
        char modele[] = "/tmp/pulsodex-bench-XXXXXX";
        if (::mkdtemp(modele) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        m_dossier = modele;
        m_quitter = m_dossier + "/" + MarqueurQuitter;
        m_redemarrer = m_dossier + "/" + MarqueurRedemarrer;
        if (bandes != Bandes::Defaut) {
            c.ChargeProcesseur = true;
            c.MoyenneChargeProcesseur = true;
        }
        if (bandes == Bandes::Grande) {
            Agrandir(c);
        }
        m_resolution.Reinitialiser();
        // Comme la fenêtre : les sondes des lecteurs relèvent à la période du
        // rafraîchissement, hors du tic.
        m_disques.FixerCadence(std::chrono::milliseconds(c.Rafraichissement));
        // Les lecteurs comme à la construction de la fenêtre : emplacement 1
        // pour le total s'il est demandé, puis les lecteurs listés.
        const auto lecteurs = LecteursListes(c.ListeDisques, c.TotalDisque);
        if (c.TotalDisque) {
            m_lecteurs.push_back(
                std::make_unique<TDisque>(1, 0, c.IndicateurRemplissageDisque, m_disques, m_format));
        }
        for (const std::uint8_t lecteur : lecteurs) {
            const int emplacement = static_cast<int>(m_lecteurs.size()) + 1;
            m_lecteurs.push_back(std::make_unique<TDisque>(
                emplacement, lecteur, c.IndicateurRemplissageDisque, m_disques, m_format));
        }
        for (std::size_t i = 1; i < m_lecteurs.size(); ++i) {
            m_additionnes.push_back(m_lecteurs[i].get());
        }
    }
    ~BancTic() { std::filesystem::remove_all(m_dossier); }
    BancTic(const BancTic&) = delete;
    BancTic& operator=(const BancTic&) = delete;

    [[gnu::noinline]] Redessins Tic() {
        TraceProcedure trace("TPulsodexForm.MinuterieTimer");
        if (ConsommerMarqueur(m_quitter) || ConsommerMarqueur(m_redemarrer)) {
            std::abort(); // personne ne dépose de marqueur ici
        }
        TConfig& c = m_essai.Config;
        const Redessins r = m_cycle.Echantillonner(c);
        // Comme la fenêtre : chaque lecteur lu une fois pour son panneau et les règles.
        const SondeDisques::LectureDuTic lecture(m_disques);
        for (const auto& disque : m_lecteurs) {
            benchmark::DoNotOptimize(
                Traite_Disque(*disque, m_disques, c.IndicateurRemplissageDisque, m_format));
        }
        if (c.TotalDisque && !m_lecteurs.empty()) {
            benchmark::DoNotOptimize(TotaliserDisques(*m_lecteurs.front(), m_additionnes,
                                                      c.IndicateurRemplissageDisque, m_format));
        }
        if (!PhraseAlarme(
                 EvaluerAvertissements(c.Avertissements, m_cycle.Memoire(), c.RepeterAvertir, m_disques))
                 .empty()) {
            std::abort(); // aucune règle ne sonne
        }
        m_resolution.Surveiller();
        return r;
    }

private:
    // Les lecteurs D à J dans des dossiers du dossier du banc, le total, la
    // moyenne sur 60 minutes et 200 règles qui ne sonnent pas (moins de 1 %
    // ou de 1 Mo libre).
    void Agrandir(TConfig& c) {
        c.TempsMoyenneChargeProcesseur = 60;
        c.ListeDisques = "CDEFGHIJ";
        c.TotalDisque = true;
        CarteLecteurs carte = m_disques.Carte();
        for (char lettre = 'D'; lettre <= 'J'; ++lettre) {
            const std::string chemin = m_dossier + "/" + lettre;
            std::filesystem::create_directory(chemin);
            carte.Fixer(lettre, chemin);
        }
        m_disques.ChangerCarte(carte);
        for (int i = 0; i < 200; ++i) {
            TAvertissement r;
            r.Ressource = Ressource::Disque;
            r.Disque = std::string(1, c.ListeDisques[static_cast<std::size_t>(i) % c.ListeDisques.size()]);
            r.Seuil = 1;
            r.Unite = i % 2 != 0 ? Unite::Mo : Unite::Pourcent;
            c.Avertissements.push_back(r);
        }
    }

    test::ConfigEssai m_essai;
    FormatNombres m_format = FormatNombres::De(m_essai.Locale);
    MemoireLinux m_memoireLinux;
    ProcesseurLinux m_processeurLinux;
    SondesMemoire m_memoire{m_memoireLinux};
    EchantillonneurCpu m_processeur{m_processeurLinux};
    CycleRafraichissement m_cycle{m_memoire, m_processeur};
    MontagesProc m_montages;
    BlocsSys m_blocs;
    // Comme au lancement : au premier, C désigne /.
    SondeDisques m_disques{ChargerLecteurs(m_essai.Reg, m_montages.Table().Montes), m_montages, m_blocs,
                           std::make_shared<SondeEspaceStatvfs>()};
    std::vector<std::unique_ptr<TDisque>> m_lecteurs;
    std::vector<const TDisque*> m_additionnes;
    DialogueAbsent m_dialogue;
    SurveillanceResolution m_resolution{m_essai.Config, m_essai.Affichage, m_dialogue, [] {
                                        }};
    std::string m_dossier, m_quitter, m_redemarrer;
};

// Le minimum physique : pread sur des descripteurs ouverts une fois.
class BancPlancher {
public:
    explicit BancPlancher(Bandes bandes)
        : m_meminfo(::open("/proc/meminfo", O_RDONLY | O_CLOEXEC)),
          m_stat(bandes == Bandes::AvecProcesseur ? ::open("/proc/stat", O_RDONLY | O_CLOEXEC) : -1) {}
    ~BancPlancher() {
        for (int fd : {m_meminfo, m_stat}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    BancPlancher(const BancPlancher&) = delete;
    BancPlancher& operator=(const BancPlancher&) = delete;

    [[gnu::noinline]] void Plancher() {
        // meminfo en entier : un seul pread suffit quand le tampon le contient.
        std::size_t lu = 0;
        for (ssize_t n = 0; lu < m_tampon.size(); lu += static_cast<std::size_t>(n)) {
            n = ::pread(m_meminfo, m_tampon.data() + lu, m_tampon.size() - lu, static_cast<off_t>(lu));
            if (n <= 0 || static_cast<std::size_t>(n) < m_tampon.size() - lu) {
                break;
            }
        }
        benchmark::DoNotOptimize(lu);
        if (m_stat >= 0) {
            benchmark::DoNotOptimize(::pread(m_stat, m_tampon.data(), 8192, 0));
        }
        struct statvfs infos {};
        benchmark::DoNotOptimize(::statvfs("/", &infos));
    }

private:
    int m_meminfo;
    int m_stat;
    std::array<char, 16384> m_tampon{};
};

// Changements de contexte volontaires de tout le processus (releveur compris).
long AttentesVolontaires() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw;
}

double Secondes(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Processeur des fils autres que celui-ci (le releveur), en secondes.
double ProcesseurDesSondes() {
    rusage tout{};
    rusage fil{};
    ::getrusage(RUSAGE_SELF, &tout);
    ::getrusage(RUSAGE_THREAD, &fil);
    return Secondes(tout.ru_utime) + Secondes(tout.ru_stime) - Secondes(fil.ru_utime) -
           Secondes(fil.ru_stime);
}

// Le relevé du releveur, hors du tic : une question par période comme la
// fenêtre, ce fil-ci dormant entre deux, comme le programme au repos (le
// relevé se fait à froid). /proc tient lieu de partage réseau : il est monté
// partout et ne se lit pas sur le fil de l'interface. Affiche le processeur
// du releveur par relevé.
void MesurerReleves() {
    using namespace std::chrono_literals;
    constexpr auto Periode = 250ms;
    constexpr int Questions = 12;
    constexpr std::uint8_t C = 3;
    MontagesProc montages;
    BlocsSys blocs;
    CarteLecteurs carte;
    carte.Fixer('C', "/proc");
    SondeDisques disques(carte, montages, blocs, std::make_shared<SondeEspaceStatvfs>());
    disques.FixerCadence(Periode);
    disques.MyDiskFree(C); // le premier relevé, attendu
    const std::uint64_t relevesAvant = disques.Bilan().Releves;
    const double avant = ProcesseurDesSondes();
    auto prochaine = std::chrono::steady_clock::now();
    for (int i = 0; i < Questions; ++i) {
        prochaine += Periode;
        std::this_thread::sleep_until(prochaine);
        benchmark::DoNotOptimize(disques.MyDiskFree(C));
    }
    const std::uint64_t releves = disques.Bilan().Releves - relevesAvant;
    if (releves > 0) {
        std::printf("Relevé du releveur, une fois par période hors du tic : %.2f µs de processeur "
                    "(%llu relevés)\n",
                    (ProcesseurDesSondes() - avant) * 1e6 / static_cast<double>(releves),
                    static_cast<unsigned long long>(releves));
    }
}

void Tic(benchmark::State& etat, Bandes bandes) {
    BancTic banc(bandes);
    // Échauffement : les tampons prennent leur taille, l'historique aussi.
    for (int i = 0; i < 3; ++i) {
        banc.Tic();
    }
    const std::uint64_t avant = g_allocations.load();
    const long attentesAvant = AttentesVolontaires();
    for (auto _ : etat) {
        benchmark::DoNotOptimize(banc.Tic());
    }
    const auto allocations = static_cast<double>(g_allocations.load() - avant);
    etat.counters["allocations"] = benchmark::Counter(allocations, benchmark::Counter::kAvgIterations);
    // Chaque attente volontaire est un réveil de plus par tic dans le programme.
    etat.counters["reveils"] = benchmark::Counter(static_cast<double>(AttentesVolontaires() - attentesAvant),
                                                  benchmark::Counter::kAvgIterations);
}

void Plancher(benchmark::State& etat, Bandes bandes) {
    BancPlancher banc(bandes);
    for (auto _ : etat) {
        banc.Plancher();
    }
}

// Le tic de la configuration par défaut ne lit que la mémoire ; avec les
// bandes du processeur (celles que cout_programme.sh affiche), il lit aussi
// /proc/stat. Chacun a son plancher. Le temps processeur compté est celui du
// processus entier : le fil du releveur compte aussi.
BENCHMARK_CAPTURE(Tic, defaut, Bandes::Defaut)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(Plancher, defaut, Bandes::Defaut)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(Tic, processeur, Bandes::AvecProcesseur)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(Plancher, processeur, Bandes::AvecProcesseur)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime();
// Sans plancher propre : comparé au tic avec les bandes du processeur.
BENCHMARK_CAPTURE(Tic, grande, Bandes::Grande)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// Affichage ordinaire, plus les temps processeur retenus (la médiane quand il
// y a des répétitions) pour les rapports de la fin.
class Rapporteur : public benchmark::ConsoleReporter {
public:
    // En couleur seulement vers un terminal.
    Rapporteur() : ConsoleReporter(::isatty(STDOUT_FILENO) != 0 ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                m_erreur = true;
                continue;
            }
            // Une allocation en régime établi est une faute, quel que soit le temps.
            if (const auto a = run.counters.find("allocations"); a != run.counters.end() && a->second > 0) {
                m_allocations.insert(run.run_name.function_name);
            }
            const bool mediane = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (mediane ||
                (run.run_type == Run::RT_Iteration && !m_temps.contains(run.run_name.function_name))) {
                m_temps[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
        }
    }

    // Rend faux si un banc a échoué ou si un rapport manque.
    bool Conclure() const {
        bool complet = !m_erreur && m_allocations.empty();
        for (const std::string& nom : m_allocations) {
            std::printf("ÉCHEC : %s alloue de la mémoire en régime établi\n", nom.c_str());
        }
        for (const char* cas : {"defaut", "processeur"}) {
            const auto tic = m_temps.find(std::string("Tic/") + cas);
            const auto plancher = m_temps.find(std::string("Plancher/") + cas);
            if (tic == m_temps.end() || plancher == m_temps.end() || plancher->second <= 0) {
                continue; // filtré
            }
            std::printf("Rapport tic/plancher (%s) : %.2f  (tic %.2f µs, plancher %.2f µs ; cible <= 2)\n",
                        cas, tic->second / plancher->second, tic->second, plancher->second);
        }
        const auto grande = m_temps.find("Tic/grande");
        const auto processeur = m_temps.find("Tic/processeur");
        if (grande != m_temps.end() && processeur != m_temps.end() && processeur->second > 0) {
            std::printf("Rapport tic grande/processeur : %.2f  (tic %.2f µs contre %.2f µs)\n",
                        grande->second / processeur->second, grande->second, processeur->second);
        }
        return complet;
    }

private:
    std::map<std::string, double> m_temps;
    std::set<std::string> m_allocations;
    bool m_erreur = false;
};

int Compter(long n, Bandes bandes) {
    BancTic tic(bandes);
    BancPlancher plancher(Bandes::AvecProcesseur);
    tic.Tic(); // le premier relevé dimensionne les tampons
    for (long i = 0; i < n; ++i) {
        tic.Tic();
    }
    for (long i = 0; i < n; ++i) {
        plancher.Plancher();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--compter") == 0) {
        const bool grande = argc == 4 && std::strcmp(argv[3], "grande") == 0;
        return Compter(std::strtol(argv[2], nullptr, 10), grande ? Bandes::Grande : Bandes::AvecProcesseur);
    }
    // Par défaut : répétitions entrelacées au hasard (la machine est partagée),
    // médianes seules. Les options données ensuite l'emportent.
    std::vector<char*> arguments{argv[0]};
    std::string defauts[] = {"--benchmark_repetitions=5", "--benchmark_enable_random_interleaving=true",
                             "--benchmark_report_aggregates_only=true"};
    for (std::string& d : defauts) {
        arguments.push_back(d.data());
    }
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int n = static_cast<int>(arguments.size());
    benchmark::Initialize(&n, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(n, arguments.data())) {
        return 2;
    }
    Rapporteur rapporteur;
    benchmark::RunSpecifiedBenchmarks(&rapporteur);
    benchmark::Shutdown();
    const bool complet = rapporteur.Conclure();
    MesurerReleves();
    return complet ? 0 : 1;
}
