// La plateforme Linux sur le système réel et sur des fichiers relevés (tests/data).
#include <gtest/gtest.h>

#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "Fichiers.h"
#include "core/probes/Formats.h"
#include "core/probes/TCpuInfo.h"
#include "linux/Emplacements.h"
#include "linux/IdentiteProcesseurLinux.h"
#include "linux/LocaleLinux.h"
#include "linux/MemoireLinux.h"
#include "linux/ProcesseurLinux.h"
#include "linux/SystemeNomsLinux.h"

namespace pulsodex::test {
namespace {

TEST(Meminfo, FichierAbsentOuTronqueGardeLeDernierBonReleve) {
    MemoireLinux absent("/chemin/qui/n/existe/pas");
    EXPECT_EQ(absent.Lire(), StatutMemoire{});
    MemoireLinux reel(CheminDonnee("proc/debian12"));
    const StatutMemoire premier = reel.Lire();
    EXPECT_GT(premier.TotalPhys, 0);
    EXPECT_EQ(reel.Lire(), premier); // relu depuis le début, même résultat
    MemoireLinux tronque(CheminDonnee("proc/tronque"));
    EXPECT_EQ(tronque.Lire(), StatutMemoire{});
}

TEST(ProcesseurLinux, BeaucoupDeProcesseursEtLigneIntrEnorme) {
    // 300 processeurs : les lignes « cpu » débordent la première lecture.
    const DossierTemporaire temporaire("pulsodex-stat");
    const std::filesystem::path dossier = temporaire.Chemin();
    {
        std::ofstream f(dossier / "stat");
        f << "cpu  300 0 0 2700 0 0 0 0 0 0\n";
        for (int i = 0; i < 300; ++i) {
            f << "cpu" << i << " 1 0 0 9 0 0 0 0 0 0\n";
        }
        f << "intr";
        for (int i = 0; i < 100000; ++i) {
            f << " 0";
        }
        f << "\nctxt 1\n";
    }
    ProcesseurLinux source(dossier.string());
    std::vector<CompteursCpu> c;
    ASSERT_TRUE(source.Lire(c));
    EXPECT_EQ(c.size(), 301U);
    EXPECT_EQ(c.back(), (CompteursCpu{3000, 2700}));
    ASSERT_TRUE(source.Lire(c)); // relu depuis le début
    EXPECT_EQ(c.size(), 301U);
}

TEST(WinVer, LeSystemeReelDonneUnNomDeLaFormeDeWindows) {
    const std::string reel = WinVer();
    EXPECT_NE(reel.find(" (Build "), std::string::npos);
    EXPECT_EQ(reel.back(), ')');
}

TEST(TCpuInfo, LeProcesseurDeLaMachineAUnNom) {
    const SourceProcesseurLinux machine;
    const TCpuInfo info(machine);
    const std::string nom = info.Processeur(0)->Name()->Nom();
    EXPECT_FALSE(nom.empty());
    EXPECT_NE(nom, "Processeur inconnu");
    EXPECT_EQ(nom.find('\0'), std::string::npos);
    EXPECT_NE(nom.front(), ' ');
    EXPECT_NE(nom.back(), ' ');
}

// Les séparateurs viennent de la locale de l'utilisateur, jamais de celle du C
// que Qt règle au démarrage : chaque cas la met en place comme lui.
TEST(Formats, LegendesSousChaqueLocale) {
    struct Cas {
        const char* locale;
        const char* disque;
        const char* mo;
        const char* octets;
    };
    const Cas cas[] = {
        {"C", "C: 233,62 Go", "23 317,14 Mo libres", "24 422 338 560 octets libres"},
        {"fr_FR.UTF-8", "C: 233,62 Go", "23\u202F317,14 Mo libres",
         "24\u202F422\u202F338\u202F560 octets libres"},
        {"de_DE.UTF-8", "C: 233,62 Go", "23.317,14 Mo libres", "24.422.338.560 octets libres"},
        {"en_US.UTF-8", "C: 233.62 Go", "23,317.14 Mo libres", "24,422,338,560 octets libres"},
    };
    const std::string avant = std::setlocale(LC_ALL, nullptr);
    for (const auto& k : cas) {
        ASSERT_NE(std::setlocale(LC_ALL, k.locale), nullptr)
            << k.locale << " absente : scripts/dependances.sh la crée";
        const FormatNombres format = FormatNombres::De(LocaleLinux(k.locale));
        EXPECT_EQ(ChaineEspaceDisque(3, 250847564923LL, 1LL << 40, format), k.disque) << k.locale;
        EXPECT_EQ(ChaineMemoire(24449793393LL, ModeAffichageMemoire::Mo, format), k.mo) << k.locale;
        EXPECT_EQ(ChaineMemoire(24422338560LL, ModeAffichageMemoire::Octets, format), k.octets) << k.locale;
    }
    std::setlocale(LC_ALL, avant.c_str());
}

// Une variable d'environnement changée le temps d'un essai.
class VariableEssai {
public:
    VariableEssai(const char* nom, const std::string& valeur) : m_nom(nom) {
        if (const char* avant = std::getenv(nom)) {
            m_avant = avant;
        }
        if (valeur.empty()) {
            ::unsetenv(nom);
        } else {
            ::setenv(nom, valeur.c_str(), 1);
        }
    }
    ~VariableEssai() {
        if (m_avant) {
            ::setenv(m_nom, m_avant->c_str(), 1);
        } else {
            ::unsetenv(m_nom);
        }
    }
    VariableEssai(const VariableEssai&) = delete;
    VariableEssai& operator=(const VariableEssai&) = delete;

private:
    const char* m_nom;
    std::optional<std::string> m_avant;
};

// Le dossier d'exécution (verrou et prise de l'instance unique) :
// $XDG_RUNTIME_DIR s'il existe, sinon un dossier à soi dans le dossier
// temporaire ; un lien ou un fichier posé à sa place n'est jamais pris.
TEST(Emplacements, DossierExecutionASoiSeulement) {
    const DossierTemporaire racine("pulsodex-execution");
    const std::string propre = (racine / ("pulsodex-" + std::to_string(::getuid()))).string();
    struct Cas {
        std::string Xdg;
        const char* Pose; // ce qui est déjà à la place du dossier propre
        std::string Attendu;
    };
    const Cas cas[] = {
        {racine.Chemin().string(), "", racine.Chemin().string()},
        {"", "", propre},
        {(racine / "absent").string(), "", propre},
        {"", "lien", ""},
        {"", "fichier", ""},
    };
    const VariableEssai tmp("TMPDIR", racine.Chemin().string());
    for (const Cas& k : cas) {
        std::filesystem::remove_all(propre);
        if (std::string_view(k.Pose) == "lien") {
            std::filesystem::create_directory_symlink(racine.Chemin(), propre);
        } else if (std::string_view(k.Pose) == "fichier") {
            std::ofstream(propre) << "x";
        }
        const VariableEssai xdg("XDG_RUNTIME_DIR", k.Xdg);
        EXPECT_EQ(DossierExecution(), k.Attendu) << k.Xdg << " " << k.Pose;
        if (k.Attendu == propre) {
            EXPECT_EQ(std::filesystem::status(propre).permissions() & std::filesystem::perms::all,
                      std::filesystem::perms::owner_all);
        }
    }
}

} // namespace
} // namespace pulsodex::test
