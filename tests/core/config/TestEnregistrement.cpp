#include <gtest/gtest.h>

#include <sys/file.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "ConfigEssai.h"
#include "Fichiers.h"
#include "ReglagesEssai.h"

namespace pulsodex::test {
namespace {

TEST(Enregistrement, UnEchecDitUneFoisSaufDemandeExplicite) {
    ConfigEssai e;
    e.DejaLance();
    TConfig& c = e.Config;
    c.ChargeTout();
    EXPECT_TRUE(c.Enregistrer(TConfig::AvisEchec::Toujours));
    EXPECT_TRUE(e.Boites.Montrees.empty());
    e.Reg.FaireEchouerDisque(true);
    EXPECT_FALSE(c.Enregistrer());
    EXPECT_FALSE(c.Enregistrer());
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_FALSE(c.Enregistrer(TConfig::AvisEchec::Toujours)); // demandé : redit
    EXPECT_EQ(e.Boites.Montrees.size(), 2U);
    e.Reg.FaireEchouerDisque(false);
    EXPECT_TRUE(c.Enregistrer());
    e.Reg.FaireEchouerDisque(true);
    EXPECT_FALSE(c.Enregistrer()); // de nouveau après une réussite
    EXPECT_EQ(e.Boites.Montrees.size(), 3U);
}

constexpr std::string_view Propre =
    "[General]\nTestMiseAJour=Non\nVersion=1.0 Béta 2\n\n[1024x768]\nMem=Non\n";
constexpr std::string_view Abime = "[General]\nTestMiseAJour=Non\n[1024x768]\nMem=\"Non\nSons=Non\n";

// Le texte entier de l'avis est vérifié sur un vrai fichier par les essais de la fenêtre.
TEST(EnregistrementFichier, RienNEstEcritAvantLAvisPuisUnSeulAvis) {
    ConfigFichierEssai m{std::string(Abime)};
    EXPECT_EQ(m.Stockage.Copies.begin()->second, Abime);
    m.Reg.WriteString("", "Proxy", "p");
    EXPECT_FALSE(m.Reg.Synchroniser());
    EXPECT_EQ(m.Stockage.Octets, Abime);
    m.Config.ChargeTout();
    EXPECT_FALSE(m.Config.Sons);
    EXPECT_TRUE(m.Config.Enregistrer());
    EXPECT_TRUE(m.Config.Enregistrer());
    EXPECT_EQ(m.Boites.Montrees.size(), 1U);
    EXPECT_EQ(m.Stockage.Octets,
              "[General]\nProxy=p\nTestMiseAJour=Non\nVersion=1.0 Béta 2\n\n[1024x768]\nSons=Non\n");
}

// Un autre programme (ou une main) change le fichier pendant que Pulsodex tourne.
TEST(EnregistrementFichier, ChangementsDUnAutreGardesEtAbimeEntreTempsSignale) {
    ConfigFichierEssai m{std::string(Propre)};
    m.Config.ChargeTout();
    m.Stockage.Octets = std::string(Propre) + "Sons=Non\n";
    m.Reg.WriteString("", "Proxy", "p");
    EXPECT_TRUE(m.Config.Enregistrer());
    EXPECT_EQ(m.Reg.Lire("1024x768", "Sons"), "Non");

    m.Stockage.Octets = std::string(Propre) + "[Jauges\nMem=Non\n";
    m.Reg.WriteString("", "Proxy", "q");
    EXPECT_TRUE(m.Config.Enregistrer());
    ASSERT_EQ(m.Boites.Montrees.size(), 1U);
    EXPECT_TRUE(m.Boites.Montrees[0].Texte.find("- ligne 7 : en-tête de section coupé\n") !=
                std::string::npos);
    EXPECT_EQ(m.Stockage.Copies.begin()->second, std::string(Propre) + "[Jauges\nMem=Non\n");
    EXPECT_EQ(m.Stockage.Octets,
              "[General]\nProxy=q\nTestMiseAJour=Non\nVersion=1.0 Béta 2\n\n[1024x768]\nMem=Non\n");
}

// Chaque phrase de la boîte est vraie : la cause réelle, et le fichier n'est
// dit inchangé que s'il l'est. Une écriture qui se dit faite mais laisse le
// fichier tel quel est un échec aussi.
TEST(EnregistrementFichier, EchecsAvecLeurCauseEtFichierIntact) {
    struct Cas {
        const char* echecCopie;
        const char* echecEcriture;
        bool relu; // l'écriture se dit faite mais laisse le fichier tel quel
        const char* cause;
        const char* finAvisLecture;
    };
    const Cas cas[] = {
        {"le disque est plein", "", false,
         "sa copie n'a pas pu être gardée (le disque est plein) ; il n'est pas réécrit sans elle",
         "Pulsodex n'a pas pu garder une copie de son contenu d'origine (le disque est plein) : il ne "
         "réécrira pas ce fichier tant que cette copie ne pourra pas être faite."},
        {"", "le disque est plein", false, "le disque est plein",
         "Le fichier des réglages sera réécrit sans ces lignes à la prochaine sauvegarde."},
        {"", "", true, "le fichier relu ne contient pas ce qui vient d'y être écrit",
         "Le fichier des réglages sera réécrit sans ces lignes à la prochaine sauvegarde."},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.cause);
        ConfigFichierEssai m{std::string(Abime), k.echecCopie};
        m.Stockage.EchecEcriture = k.echecEcriture;
        if (k.relu) {
            m.Stockage.Substitut = std::string(Abime);
        }
        m.Config.ChargeTout();
        ASSERT_EQ(m.Boites.Montrees.size(), 1U);
        EXPECT_TRUE(m.Boites.Montrees[0].Texte.ends_with(k.finAvisLecture));
        EXPECT_FALSE(m.Config.Enregistrer());
        EXPECT_EQ(m.Boites.Montrees.back().Texte,
                  std::string("Les réglages n'ont pas pu être enregistrés dans « /essai/Pulsodex.conf » : ") +
                      k.cause + ".\n\n" +
                      (k.relu ? "" : "Le fichier des réglages garde son contenu précédent. ") +
                      "Pulsodex continue de fonctionner et enregistrera vos changements à la prochaine "
                      "sauvegarde réussie.");
        EXPECT_EQ(m.Stockage.Octets, Abime);
        // La cause levée, la sauvegarde suivante réussit.
        m.Stockage.EchecCopie.clear();
        m.Stockage.EchecEcriture.clear();
        m.Stockage.Substitut.reset();
        EXPECT_TRUE(m.Config.Enregistrer());
    }
}

// Le verrou laissé par un programme tué est repris sans attendre ; celui d'un
// programme vivant est attendu un instant ; celui d'un programme bloqué depuis
// plus de cinq secondes est repris. Le temps est celui du verrou, factice.
TEST(EnregistrementFichier, VerrouAbandonneReprisSansAttendre) {
    using namespace std::chrono_literals;
    // Le verrou, tenu ou non, son âge ; l'écriture réussie, les pauses.
    const std::tuple<const char*, bool, std::chrono::seconds, bool, int> cas[] = {
        {"laissé vide par un arrêt brutal", false, 0s, true, 0},
        {"tenu par un programme vivant", true, 0s, false, 50},
        {"tenu depuis dix secondes", true, 10s, true, 1}};
    for (const auto& [nom, tenu, age, reussi, pauses] : cas) {
        SCOPED_TRACE(nom);
        DossierTemporaire dossier;
        const std::string verrou = (dossier / "Pulsodex.conf.lock").string();
        const int fd = ::open(verrou.c_str(), O_RDWR | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        if (tenu) {
            ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
        }
        ReglagesEssai r(dossier / "Pulsodex.conf");
        r.Temps.Instant = std::chrono::system_clock::now() + age;
        r.Reg.WriteString("", "Proxy", "p");
        EXPECT_EQ(r.Reg.Synchroniser(), reussi);
        EXPECT_EQ(r.Temps.Pauses, pauses);
        EXPECT_EQ(std::filesystem::exists(verrou), !reussi);
        EXPECT_EQ(LireFichier(dossier / "Pulsodex.conf"), reussi ? "[General]\nProxy=p\n" : "");
        EXPECT_EQ(r.Reg.ErreurEcriture(), reussi
                                              ? ""
                                              : "« " + (dossier / "Pulsodex.conf").string() +
                                                    " » : un autre programme écrit ce fichier en ce moment");
        ::close(fd);
    }
}

TEST(TexteEchecEnregistrement, SansCause) {
    EXPECT_TRUE(TexteEchecEnregistrement("").starts_with("Les réglages n'ont pas pu être enregistrés.\n\n"));
}

} // namespace
} // namespace pulsodex::test
