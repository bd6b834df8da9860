#include <gtest/gtest.h>

#include "FacticesDisques.h"
#include "core/config/RegistreMemoire.h"
#include "core/probes/CarteLecteurs.h"

namespace pulsodex {
namespace {

std::vector<Montage> Bureau() {
    return LireMountinfo(test::LireDonnee("montages/bureau.mountinfo"));
}

// Les libellés de la carte, en une ligne.
std::string Libelles(const CarteLecteurs& carte) {
    std::string texte;
    for (const std::string& libelle : carte.Libelles()) {
        texte += (texte.empty() ? "" : ", ") + libelle;
    }
    return texte;
}

TEST(CarteLecteurs, PremierLancementDUnBureau) {
    EXPECT_EQ(Libelles(CarteInitiale(Bureau())),
              "C: /, D: /home, E: /tmp, F: /mnt/nas, G: /mnt/nfs, H: /mnt/ram, I: /mnt/hote, J: /mnt/ceph, "
              "K: /home/paul/distant, L: /media/paul/CLE USB, M: /media/paul/DVD Vacances, "
              "N: /run/media/paul/Sauvegarde, O: /mnt/web, P: /mnt/sans source, Q: /mnt/auto, R: /mnt/iso, "
              "S: /mnt/inconnu, T: /donnees, U: /mnt/v6");
    const auto proposes = MontagesProposes(Bureau());
    ASSERT_EQ(proposes.size(), 19U); // la racine et les 18 autres lettres
    EXPECT_EQ(proposes.front().Point, "/");
}

TEST(CarteLecteurs, PremierLancementDansUnConteneur) {
    const auto montes = LireMountinfo(test::LireDonnee("montages/conteneur.mountinfo"));
    EXPECT_EQ(Libelles(CarteInitiale(montes)), "C: /, D: /donnees");
    // Sans table lisible, C reste la racine.
    EXPECT_EQ(Libelles(CarteInitiale({})), "C: /");
}

TEST(CarteLecteurs, LettresJusquAZSeulement) {
    std::string texte;
    for (int i = 0; i < 30; ++i) {
        texte += std::to_string(i + 2) + " 1 8:" + std::to_string(i + 1) + " / /mnt/d" + std::to_string(i) +
                 " rw - ext4 /dev/x rw\n";
    }
    const CarteLecteurs carte = CarteInitiale(LireMountinfo(texte));
    EXPECT_EQ(carte.CheminLettre('Z'), "/mnt/d22");
    EXPECT_EQ(carte.Libelles().size(), 24U);
    EXPECT_TRUE(carte.CheminLettre('A').empty());
}

TEST(CarteLecteurs, EcriteUneFoisPuisGardee) {
    RegistreMemoire protege;
    protege.ProtegerEnEcriture(true);
    EXPECT_EQ(ChargerLecteurs(protege, Bureau()).CheminLettre('D'), "/home"); // non inscriptible
    RegistreMemoire reg;
    const CarteLecteurs premiere = ChargerLecteurs(reg, Bureau());
    EXPECT_EQ(reg.Lire("Lecteurs", "C"), "/");
    EXPECT_EQ(reg.Lire("Lecteurs", "L"), "/media/paul/CLE USB");
    // Les montages changent ; les lettres gardent leur sens.
    const CarteLecteurs seconde = ChargerLecteurs(reg, LireMountinfo("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"));
    EXPECT_EQ(seconde, premiere);
    // Réglages faits à la main : noms en minuscules, chemins à réduire, intrus.
    reg.EraseSection("Lecteurs");
    reg.WriteString("Lecteurs", "c", "/");
    reg.WriteString("Lecteurs", "E", "/srv//partage/");
    reg.WriteString("Lecteurs", "F", "relatif");
    reg.WriteString("Lecteurs", "GH", "/x");
    reg.WriteString("Lecteurs", "1", "/y");
    EXPECT_EQ(Libelles(ChargerLecteurs(reg, Bureau())), "C: /, E: /srv/partage");
}

TEST(CarteLecteurs, AttribuerLaProchaineLettreLibre) {
    CarteLecteurs carte;
    carte.Fixer('C', "/");
    carte.Fixer('E', "/home");
    EXPECT_EQ(carte.Attribuer("/mnt/a"), 'D');
    EXPECT_EQ(carte.Attribuer("/mnt/b/"), 'F');
    EXPECT_EQ(carte.Attribuer("/home"), 'E'); // déjà là : même lettre
    EXPECT_EQ(carte.Attribuer("relatif"), std::nullopt);
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(carte.Attribuer("/mnt/n" + std::to_string(i)));
    }
    EXPECT_EQ(carte.Attribuer("/mnt/pour-a"), 'A'); // C à Z pris : les lettres des disquettes
    EXPECT_EQ(carte.Attribuer("/mnt/pour-b"), 'B');
    EXPECT_EQ(carte.Attribuer("/mnt/de-trop"), std::nullopt);
    carte.Retirer('Q');
    EXPECT_EQ(carte.Attribuer("/mnt/de-trop"), 'Q');
}

} // namespace
} // namespace pulsodex
