#include <gtest/gtest.h>

#include "FacticesDisques.h"
#include "core/probes/Montages.h"

namespace pulsodex {
namespace {

// Point, type et source de chaque montage, pour comparer une table d'un coup.
std::vector<std::string> Resume(const std::vector<Montage>& montages) {
    std::vector<std::string> lignes;
    for (const Montage& m : montages) {
        lignes.push_back(m.Point + "|" + m.Type + "|" + m.Source);
    }
    return lignes;
}

TEST(Montages, MountinfoAbimeToleréEtFstab) {
    const auto m = LireMountinfo(test::LireDonnee("montages/abime.mountinfo"));
    EXPECT_EQ(Resume(m), (std::vector<std::string>{
                             "/|ext4|/dev/sda1",
                             "/avec espace\ttab|ext4|/dev/sda2", // champs facultatifs nombreux
                             "/mnt/barre\\oblique|nfs|serveur:/a b",
                             "/sans/separateur||", // sans séparateur : le point reste
                             "/mnt/faux\\9|tmpfs|tmpfs",
                             "/mnt/fin\\04|tmpfs|tmpfs",
                             "/mnt/type seul||",
                             "/mnt/retour\nligne|ext4|/dev/sda5",
                         }));
    EXPECT_EQ(m[0].Peripherique, "8:1");
    // Source vide et fins de ligne de Windows.
    EXPECT_EQ(Resume(LireMountinfo("48 22 0:50 / /mnt/x rw - nfs  rw\r\n"
                                   "49 22 8:4 / /mnt/y rw - ext4 /dev/sda4 rw\r\n")),
              (std::vector<std::string>{"/mnt/x|nfs|", "/mnt/y|ext4|/dev/sda4"}));
    EXPECT_EQ(Resume(LireFstab(test::LireDonnee("montages/bureau.fstab"))),
              (std::vector<std::string>{
                  "/|ext4|UUID=0a1b2c3d",
                  "/media/cdrom0|udf|/dev/sr0",
                  "/mnt/archives|cifs|//nas/archives",
                  "/mnt/cle|vfat|/dev/sdb1", // séparé par des tabulations
                  "/mnt/disque deux|ext4|UUID=1234",
                  "/mnt/nfs|nfs4|serveur:/export/donnees",
              }));
}

// Les échappements octaux des tables, puis les chemins réduits.
TEST(Montages, EchappementsOctauxEtCheminsNormalises) {
    struct Cas {
        std::string (*fonction)(std::string_view);
        const char* texte;
        std::string attendu;
    };
    const Cas cas[] = {
        {DecoderOctal, R"(/media/CLE\040USB)", "/media/CLE USB"},
        {DecoderOctal, R"(\303\251t\303\251)", "été"},
        {DecoderOctal, R"(fin\04)", R"(fin\04)"},
        {DecoderOctal, R"(fin\)", R"(fin\)"},
        {DecoderOctal, R"(\9xx\400)", R"(\9xx\400)"},
        {DecoderOctal, R"(\\040)", "\\ "},
        {NormaliserChemin, "//", "/"},
        {NormaliserChemin, "/home//paul/./x/", "/home/paul/x"},
        {NormaliserChemin, "/a/b/../c", "/a/c"},
        {NormaliserChemin, "/../..", "/"},
        {NormaliserChemin, "home", ""},
        // Les lecteurs de Windows : la lettre en capitale, « \\ » partout.
        {NormaliserChemin, "C:\\", "C:\\"},
        {NormaliserChemin, "c:/Temp/", "C:\\Temp"},
        {NormaliserChemin, "D:\\a\\..\\b//./c\\", "D:\\b\\c"},
        {NormaliserChemin, "Z:\\..", "Z:\\"},
        {NormaliserChemin, "C:dossier", ""},
        {NormaliserChemin, "\\\\serveur\\partage", ""},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(k.fonction(k.texte), k.attendu) << k.texte;
    }
}

TEST(Montages, LePointLePlusLongEtLeDernierEmpile) {
    const auto m = LireMountinfo(test::LireDonnee("montages/bureau.mountinfo"));
    struct Cas {
        const char* chemin;
        const char* point;
        const char* type;
    };
    const Cas cas[] = {
        {"/homework", "/", "ext4"}, // composant entier, pas un préfixe de texte
        {"/home/paul", "/home", "btrfs"},
        {"/home/paul/distant/a/b", "/home/paul/distant", "fuse.sshfs"},
        {"/mnt/auto/x", "/mnt/auto", "nfs4"}, // nfs monté sur l'autofs
        {"/media/paul/CLE USB/photos", "/media/paul/CLE USB", "vfat"},
    };
    for (const auto& k : cas) {
        const Montage* trouve = MontageDe(m, k.chemin);
        ASSERT_NE(trouve, nullptr) << k.chemin;
        EXPECT_EQ(trouve->Point + " " + trouve->Type, std::string(k.point) + " " + k.type) << k.chemin;
    }
    EXPECT_EQ(MontageDe({}, "/"), nullptr);
    EXPECT_EQ(MontageAuPoint(m, "/home/paul"), nullptr);
    EXPECT_EQ(MontageAuPoint(m, "/mnt/auto")->Type, "nfs4");
    // Les lecteurs de Windows : chacun est sa propre racine.
    const std::vector<Montage> lecteurs{{"", "\\", "C:\\", "", ""}, {"", "\\", "D:\\Jeux", "", ""}};
    EXPECT_EQ(MontageDe(lecteurs, "C:\\Windows\\System32")->Point, "C:\\");
    EXPECT_EQ(MontageDe(lecteurs, "D:\\Jeux\\x")->Point, "D:\\Jeux");
    EXPECT_EQ(MontageDe(lecteurs, "D:\\JeuxVideo"), nullptr);
}

} // namespace
} // namespace pulsodex
