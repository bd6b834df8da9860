#include <gtest/gtest.h>

#include "FacticesDisques.h"
#include "core/probes/Montages.h"

namespace pulsodex {
namespace {

TEST(Montages, EchappementsOctaux) {
    struct Cas {
        const char* texte;
        std::string attendu;
    };
    const Cas cas[] = {
        {R"(/media/CLE\040USB)", "/media/CLE USB"},
        {R"(a\011b\012c\134d)", "a\tb\nc\\d"},
        {R"(\303\251t\303\251)", "été"},
        {R"(fin\04)", R"(fin\04)"},
        {R"(fin\)", R"(fin\)"},
        {R"(\9xx\400)", R"(\9xx\400)"},
        {R"(\\040)", "\\ "},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(DecoderOctal(k.texte), k.attendu) << k.texte;
    }
}

TEST(Montages, MountinfoAbimeToleré) {
    const auto m = LireMountinfo(test::LireDonnee("montages/abime.mountinfo"));
    ASSERT_EQ(m.size(), 8U);
    EXPECT_EQ(m[0].Point, "/");
    EXPECT_EQ(m[0].Peripherique, "8:1");
    EXPECT_EQ(m[0].Type, "ext4");
    EXPECT_EQ(m[0].Source, "/dev/sda1");
    // Champs facultatifs nombreux.
    EXPECT_EQ(m[1].Point, "/avec espace\ttab");
    EXPECT_EQ(m[1].Source, "/dev/sda2");
    EXPECT_EQ(m[2].Point, "/mnt/barre\\oblique");
    EXPECT_EQ(m[2].Source, "serveur:/a b");
    // Sans séparateur : type et source vides, le point reste.
    EXPECT_EQ(m[3].Point, "/sans/separateur");
    EXPECT_EQ(m[3].Type, "");
    EXPECT_EQ(m[3].Source, "");
    EXPECT_EQ(m[4].Point, "/mnt/faux\\9");
    EXPECT_EQ(m[5].Point, "/mnt/fin\\04");
    EXPECT_EQ(m[5].Source, "tmpfs");
    EXPECT_EQ(m[6].Point, "/mnt/type seul");
    EXPECT_EQ(m[6].Type, "");
    EXPECT_EQ(m[7].Point, "/mnt/retour\nligne");
    EXPECT_EQ(m[7].Source, "/dev/sda5");
}

TEST(Montages, SourceVideEtFinsDeLigneWindows) {
    const auto m =
        LireMountinfo("48 22 0:50 / /mnt/x rw - nfs  rw\r\n49 22 8:4 / /mnt/y rw - ext4 /dev/sda4 rw\r\n");
    ASSERT_EQ(m.size(), 2U);
    EXPECT_EQ(m[0].Type, "nfs");
    EXPECT_EQ(m[0].Source, "");
    EXPECT_EQ(m[1].Source, "/dev/sda4");
    EXPECT_TRUE(LireMountinfo("").empty());
}

TEST(Montages, Fstab) {
    const auto m = LireFstab(test::LireDonnee("montages/bureau.fstab"));
    ASSERT_EQ(m.size(), 6U);
    EXPECT_EQ(m[0].Point, "/");
    EXPECT_EQ(m[1].Point, "/media/cdrom0");
    EXPECT_EQ(m[1].Type, "udf");
    EXPECT_EQ(m[2].Source, "//nas/archives");
    EXPECT_EQ(m[3].Point, "/mnt/cle"); // séparé par des tabulations
    EXPECT_EQ(m[4].Point, "/mnt/disque deux");
    EXPECT_EQ(m[5].Type, "nfs4");
}

TEST(Montages, NormaliserChemin) {
    struct Cas {
        const char* chemin;
        const char* attendu;
    };
    const Cas cas[] = {
        {"/", "/"},
        {"//", "/"},
        {"/home/", "/home"},
        {"/home//paul/./x", "/home/paul/x"},
        {"/a/b/../c", "/a/c"},
        {"/../..", "/"},
        {"home", ""},
        {"", ""},
        {"~/x", ""},
        {"/avec espace", "/avec espace"},
        // Les lecteurs de Windows : la lettre en capitale, « \\ » partout.
        {"C:\\", "C:\\"},
        {"c:/Temp/", "C:\\Temp"},
        {"D:\\a\\..\\b//./c\\", "D:\\b\\c"},
        {"Z:\\..", "Z:\\"},
        {"C:", ""},
        {"C:dossier", ""},
        {"1:\\x", ""},
        {"\\\\serveur\\partage", ""},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(NormaliserChemin(k.chemin), k.attendu) << k.chemin;
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
        {"/", "/", "ext4"},
        {"/homework", "/", "ext4"}, // composant entier, pas un préfixe de texte
        {"/home", "/home", "btrfs"},
        {"/home/paul", "/home", "btrfs"},
        {"/home/paul/distant/a/b", "/home/paul/distant", "fuse.sshfs"},
        {"/mnt/auto", "/mnt/auto", "nfs4"}, // nfs monté sur l'autofs
        {"/mnt/auto/x", "/mnt/auto", "nfs4"},
        {"/media/paul/CLE USB/photos", "/media/paul/CLE USB", "vfat"},
    };
    for (const auto& k : cas) {
        const Montage* trouve = MontageDe(m, k.chemin);
        ASSERT_NE(trouve, nullptr) << k.chemin;
        EXPECT_EQ(trouve->Point, k.point) << k.chemin;
        EXPECT_EQ(trouve->Type, k.type) << k.chemin;
    }
    EXPECT_EQ(MontageDe({}, "/"), nullptr);
    // Les lecteurs de Windows : chacun est sa propre racine.
    const std::vector<Montage> lecteurs{{"", "\\", "C:\\", "", ""}, {"", "\\", "D:\\Jeux", "", ""}};
    auto point = [&](std::string_view chemin) {
        const Montage* trouve = MontageDe(lecteurs, chemin);
        return trouve != nullptr ? trouve->Point : "aucun";
    };
    EXPECT_EQ(point("C:\\Windows\\System32"), "C:\\");
    EXPECT_EQ(point("D:\\Jeux\\x"), "D:\\Jeux");
    EXPECT_EQ(point("D:\\JeuxVideo"), "aucun");
    EXPECT_EQ(point("/"), "aucun");
    EXPECT_EQ(MontageAuPoint(m, "/home/paul"), nullptr);
    EXPECT_EQ(MontageAuPoint(m, "/mnt/auto")->Type, "nfs4");
}

} // namespace
} // namespace pulsodex
