#include <gtest/gtest.h>

#include "FacticesDisques.h"
#include "core/probes/GenresDisques.h"
#include "linux/DisquesLinux.h"

namespace pulsodex {
namespace {

class Genres : public ::testing::Test {
protected:
    std::vector<Montage> m_montes = LireMountinfo(test::LireDonnee("montages/bureau.mountinfo"));
    BlocsSys m_blocs{test::CheminDonnee("sys/bureau")};

    std::string GenreAu(const std::string& point) {
        const Montage* m = MontageAuPoint(m_montes, point);
        return m == nullptr ? "(absent)" : GenreMontage(*m, m_blocs.Chercher(*m));
    }
};

TEST_F(Genres, ChaqueFamilleSurLaTableDUnBureau) {
    const std::pair<const char*, const char*> cas[] = {
        {"/", "Disque local"},
        {"/home", "Disque local"},                      // btrfs : majeur nul, trouvé par le nom de sa source
        {"/run/media/paul/Sauvegarde", "Disque local"}, // disque USB non amovible pour le noyau
        {"/media/paul/CLE USB", "Disque amovible"},
        {"/media/paul/DVD Vacances", "Cédérom"},
        {"/tmp", "Emulation de disque en mémoire vive"},
        {"/mnt/nas", "Connexion réseau //nas/partage"},
        {"/mnt/nfs", "Connexion réseau serveur:/export/donnees"},
        {"/home/paul/distant", "Connexion réseau paul@hote.lan:/srv"},
        {"/mnt/sans source", "Connexion réseau"},
        {"/mnt/auto", "Connexion réseau archive:/vieux"},
        {"/mnt/vide", "Unité inconnue"},
    };
    for (const auto& [point, genre] : cas) {
        EXPECT_EQ(GenreAu(point), genre) << point;
    }
    // Ni partage réseau ni /sys lisible : pas de périphérique.
    EXPECT_FALSE(m_blocs.Chercher({"0:40", "/", "/mnt/nas", "cifs", "//nas/partage"}));
    EXPECT_FALSE(BlocsSys("/chemin/absent").Chercher({"8:17", "/", "/x", "vfat", "/dev/sdb1"}));
}

TEST(GenresWindows, TypesDeLecteur) {
    struct Cas {
        std::uint32_t type;
        const char* distant;
        const char* genre;
    };
    const Cas cas[] = {
        {2, "", "Disque amovible"}, {4, "\\\\nas\\partage", "Connexion réseau \\\\nas\\partage"},
        {5, "", "Cédérom"},         {6, "", "Emulation de disque en mémoire vive"},
        {7, "", "Unité inconnue"},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(GenreTypeLecteur(k.type, k.distant), k.genre) << k.type;
    }
}

TEST(GenresReseau, SourcesEtLibelles) {
    const std::pair<const char*, bool> cas[] = {
        {"serveur:/export", true},
        {"//nas/partage", true},
        {"paul@hote:/srv", true},
        {"[fe80::1]:/x", true},
        {"https://a.b/c", true},
        {"/dev/sda1", false},
        {":/x", false},
        {"///x", false},
        {"", false},
        {"a b:/x", false},
        {"[fe80::1/x", false},
    };
    for (const auto& [source, reseau] : cas) {
        EXPECT_EQ(EstSourceReseau(source), reseau) << source;
    }
    // Une source d'allure réseau ne change pas un type connu.
    EXPECT_FALSE(EstReseau({"0:1", "/", "/x", "tmpfs", "a:b"}));
    EXPECT_TRUE(EstReseau({"0:1", "/", "/x", "fuse.rclone", "gdrive:"}));
    EXPECT_EQ(LibelleReseau("none"), "Connexion réseau");
    EXPECT_EQ(LibelleReseau(std::string(249, 'a')), "Connexion réseau " + std::string(249, 'a'));
    EXPECT_EQ(LibelleReseau(std::string(250, 'a')), "Connexion réseau");
}

} // namespace
} // namespace pulsodex
