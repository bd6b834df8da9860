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

std::string AideLivree() {
    return test::LireFichier(fs::path(PULSODEX_SOURCES) / "aide" / std::string(NomFichierAide));
}

std::set<std::string> Captures(const std::string& texte, const std::regex& motif) {
    std::set<std::string> resultats;
    for (auto it = std::sregex_iterator(texte.begin(), texte.end(), motif); it != std::sregex_iterator();
         ++it) {
        resultats.insert((*it)[1].str());
    }
    return resultats;
}

TEST(FichierAide, LAideLivreeAChaqueAncreEtChaqueLienInterne) {
    const std::string aide = AideLivree();
    ASSERT_FALSE(aide.empty());
    const auto ancres = Captures(aide, std::regex(R"re(<a name="([^"]+)")re"));
    const std::pair<int, const char*> sujets[] = {{SujetTableauDeBord, "sujet1"},
                                                  {SujetConfiguration, "sujet6"},
                                                  {SujetFormats, "sujet10"},
                                                  {0, ""},
                                                  {7, ""}};
    for (const auto& [sujet, ancre] : sujets) {
        EXPECT_EQ(AncreSujet(sujet), ancre) << sujet;
        EXPECT_TRUE(*ancre == '\0' || ancres.count(ancre) == 1) << ancre;
    }
    const auto liens = Captures(aide, std::regex(R"re(href="#([^"]+)")re"));
    EXPECT_GE(liens.size(), 3U);
    for (const auto& lien : liens) {
        EXPECT_TRUE(ancres.count(lien) == 1) << "lien sans ancre : " << lien;
    }
}

TEST(FichierAide, LAideExpliqueChaqueCommandeDuMenu) {
    const std::string aide = AideLivree();
    for (const char* commande :
         {"Configuration", "Réorganisation manuelle", "Réorganisation automatique", "Masquer",
          "Verrouiller les jauges", "Erreurs de lancement", "Effacer fichier des erreurs",
          "Vérifier si une mise à jour est disponible", "Aide", "A propos", "Quitter", "1109", "Lecteurs",
          "Pulsodex.conf", "ERREURS.LOG", "Taches.err", "Pulsodex.quit"}) {
        EXPECT_NE(aide.find(commande), std::string::npos) << commande;
    }
    for (const char* format : {"dddd", "mmmm", "yyyy", "hh", "nn", "ss"}) {
        EXPECT_NE(aide.find("<b>" + std::string(format) + "</b>"), std::string::npos) << format;
    }
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
    const fs::path installe = dossier / "usr" / "bin" / "pulsodex";
    EXPECT_FALSE(TrouverAide(installe));
    const fs::path aideInstallee = Creer("usr/share/pulsodex/aide/pulsodex.html");
    EXPECT_EQ(TrouverAide(installe), aideInstallee);

    const fs::path construction = dossier / "build" / "pulsodex";
    EXPECT_FALSE(TrouverAide(construction));
    const fs::path aideConstruite = Creer("build/aide/pulsodex.html");
    EXPECT_EQ(TrouverAide(construction), aideConstruite);

    // Un dossier du même nom n'est pas l'aide.
    fs::create_directories(dossier / "autre" / "aide" / "pulsodex.html");
    EXPECT_FALSE(TrouverAide(dossier / "autre" / "pulsodex"));
}

TEST(Compilation, LigneDeLaBoiteAPropos) {
    EXPECT_EQ(LigneCompilation("Windows", 32, "Feb  7 2004"),
              "Compilé pour Windows 32 bits le 07 Février 2004");
    EXPECT_EQ(LigneCompilation("Linux", 64, "Aug 15 2026"), "Compilé pour Linux 64 bits le 15 Août 2026");
    for (const char* date : {"??? ?? ????", "Feb 30", "Feb 45 2004"}) {
        EXPECT_EQ(LigneCompilation("Linux", 64, date), "Compilé pour Linux 64 bits") << date;
    }
}

} // namespace
} // namespace pulsodex
