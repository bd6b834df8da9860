// La plateforme Linux sur le système réel et sur des fichiers relevés (tests/data).
#include <gtest/gtest.h>

#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Fichiers.h"
#include "core/probes/Formats.h"
#include "linux/Emplacements.h"
#include "linux/LocaleLinux.h"
#include "linux/MemoireLinux.h"
#include "linux/ProcesseurLinux.h"

namespace pulsodex::test {
namespace {

TEST(Meminfo, FichierAbsentOuTronqueGardeLeDernierBonReleve) {
    EXPECT_GT(MemoireLinux(CheminDonnee("proc/debian12")).Lire().TotalPhys, 0);
    for (const std::string& dossier :
         {std::string("/chemin/qui/n/existe/pas"), CheminDonnee("proc/tronque")}) {
        EXPECT_EQ(MemoireLinux(dossier).Lire(), StatutMemoire{}) << dossier;
    }
}

TEST(ProcesseurLinux, BeaucoupDeProcesseursEtLigneIntrEnorme) {
    // 300 processeurs : les lignes « cpu » débordent la première lecture.
    const DossierTemporaire dossier("pulsodex-stat");
    std::string stat = "cpu  300 0 0 2700 0 0 0 0 0 0\n";
    for (int i = 0; i < 300; ++i) {
        stat += "cpu" + std::to_string(i) + " 1 0 0 9 0 0 0 0 0 0\n";
    }
    for (int i = 0; i < 100000; ++i) {
        stat += i == 0 ? "intr 0" : " 0";
    }
    std::ofstream(dossier / "stat") << stat << "\nctxt 1\n";
    ProcesseurLinux source(dossier.Chemin().string());
    std::vector<CompteursCpu> c;
    ASSERT_TRUE(source.Lire(c));
    ASSERT_TRUE(source.Lire(c)); // relu depuis le début
    EXPECT_EQ(c.size(), 301U);
    EXPECT_EQ(c.back(), (CompteursCpu{3000, 2700}));
}

// Les séparateurs viennent de la locale de l'utilisateur, jamais de celle du C
// que Qt règle au démarrage : chaque cas la met en place comme lui.
TEST(Formats, LegendesSousChaqueLocale) {
    const std::pair<const char*, const char*> cas[] = {
        {"C", "C: 233,62 Go / 23 317,14 Mo libres"},
        {"fr_FR.UTF-8", "C: 233,62 Go / 23\u202F317,14 Mo libres"},
        {"en_US.UTF-8", "C: 233.62 Go / 23,317.14 Mo libres"},
    };
    const std::string avant = std::setlocale(LC_ALL, nullptr);
    for (const auto& [locale, attendu] : cas) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr)
            << locale << " absente : scripts/dependances.sh la crée";
        const FormatNombres format = FormatNombres::De(LocaleLinux(locale));
        EXPECT_EQ(ChaineEspaceDisque(3, 250847564923LL, 1LL << 40, format) + " / " +
                      ChaineMemoire(24449793393LL, ModeAffichageMemoire::Mo, format),
                  attendu);
    }
    std::setlocale(LC_ALL, avant.c_str());
}

// Le dossier d'exécution (verrou et prise de l'instance unique) : hors
// $XDG_RUNTIME_DIR, un dossier à soi dans le dossier temporaire ; un lien ou
// un fichier posé à sa place n'est jamais pris.
TEST(Emplacements, DossierExecutionASoiSeulement) {
    const DossierTemporaire racine("pulsodex-execution");
    const std::string propre = (racine / ("pulsodex-" + std::to_string(::getuid()))).string();
    const auto valeur = [](const char* nom) {
        return std::string(std::getenv(nom) != nullptr ? std::getenv(nom) : "");
    };
    const std::string tmpdir = valeur("TMPDIR"), xdg = valeur("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", racine.Chemin().c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (racine / "absent").c_str(), 1); // le dossier de la session est absent
    EXPECT_EQ(DossierExecution(), propre);
    EXPECT_EQ(std::filesystem::status(propre).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    std::filesystem::remove(propre);
    std::filesystem::create_directory_symlink(racine.Chemin(), propre);
    EXPECT_EQ(DossierExecution(), "");
    std::filesystem::remove(propre);
    std::ofstream(propre) << "x";
    EXPECT_EQ(DossierExecution(), "");
    for (const auto& [nom, avant] : {std::pair{"TMPDIR", tmpdir}, {"XDG_RUNTIME_DIR", xdg}}) {
        if (avant.empty()) {
            ::unsetenv(nom);
        } else {
            ::setenv(nom, avant.c_str(), 1);
        }
    }
}

} // namespace
} // namespace pulsodex::test
