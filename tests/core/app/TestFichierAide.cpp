#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "Fichiers.h"
#include "core/app/Compilation.h"
#include "core/app/FichierAide.h"

namespace pulsodex {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Captures(const std::string& texte, const std::regex& motif) {
    std::set<std::string> resultats;
    for (auto it = std::sregex_iterator(texte.begin(), texte.end(), motif); it != std::sregex_iterator();
         ++it) {
        resultats.insert((*it)[1].str());
    }
    return resultats;
}

// Les ancres des sujets sont vérifiées par la fenêtre d'aide ; ici, chaque
// lien interne mène à une ancre.
TEST(FichierAide, ChaqueLienInterneMeneAUneAncre) {
    const std::string aide =
        test::LireFichier(fs::path(PULSODEX_SOURCES) / "aide" / std::string(NomFichierAide));
    const auto ancres = Captures(aide, std::regex(R"re(<a name="([^"]+)")re"));
    const auto liens = Captures(aide, std::regex(R"re(href="#([^"]+)")re"));
    EXPECT_GE(liens.size(), 3U);
    for (const auto& lien : liens) {
        EXPECT_TRUE(ancres.count(lien) == 1) << "lien sans ancre : " << lien;
    }
    EXPECT_EQ(AncreSujet(7), ""); // un sujet inconnu : le début
}

class EmplacementAide : public ::testing::Test {
protected:
    fs::path Creer(const fs::path& relatif) {
        fs::create_directories((dossier / relatif).parent_path());
        std::ofstream(dossier / relatif) << "<html></html>";
        return dossier / relatif;
    }
    test::DossierTemporaire temporaire{"pulsodex-aide"};
    const fs::path dossier = temporaire.Chemin();
};

TEST_F(EmplacementAide, InstalleeOuDansLaConstruction) {
    const std::pair<const char*, const char*> cas[] = {
        {"usr/bin/pulsodex", "usr/share/pulsodex/aide/pulsodex.html"},
        {"build/pulsodex", "build/aide/pulsodex.html"}};
    for (const auto& [programme, aide] : cas) {
        EXPECT_FALSE(TrouverAide(dossier / programme)) << programme;
        const fs::path chemin = Creer(aide);
        EXPECT_EQ(TrouverAide(dossier / programme), chemin);
    }
    // Un dossier du même nom n'est pas l'aide.
    fs::create_directories(dossier / "autre" / "aide" / "pulsodex.html");
    EXPECT_FALSE(TrouverAide(dossier / "autre" / "pulsodex"));
}

TEST(Compilation, LigneDeLaBoiteAPropos) {
    EXPECT_EQ(LigneCompilation("Windows", 32, "Feb  7 2004"),
              "Compilé pour Windows 32 bits le 07 Février 2004");
    EXPECT_EQ(LigneCompilation("Linux", 64, "Aug 15 2026"), "Compilé pour Linux 64 bits le 15 Août 2026");
    EXPECT_EQ(LigneCompilation("Linux", 64, "Feb 45 2004"), "Compilé pour Linux 64 bits");
}

} // namespace
} // namespace pulsodex
