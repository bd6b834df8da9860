#include <gtest/gtest.h>

#include "config/RegistreMemoire.h"

namespace pulsodex {
namespace {

TEST(Registre, LecturesTypeesAvecDefauts) {
    RegistreMemoire reg;
    reg.WriteString("A", "n", "42");
    reg.WriteString("A", "x", "4 2");
    reg.WriteString("A", "grand", "2147483648");
    EXPECT_EQ(reg.ReadInteger("A", "n", 7), 42);
    EXPECT_EQ(reg.ReadInteger("A", "x", 7), 7);
    EXPECT_EQ(reg.ReadInteger("A", "grand", 7), 7);
    EXPECT_EQ(reg.ReadInteger("A", "absent", 7), 7);
    EXPECT_EQ(reg.ReadInteger("B", "n", 7), 7);
    EXPECT_EQ(reg.ReadString("A", "absent", "d"), "d");
    reg.WriteBool("A", "b", true);
    EXPECT_EQ(reg.Lire("A", "b"), "1");
    EXPECT_TRUE(reg.ReadBool("A", "b", false));
    reg.WriteString("A", "b", "Oui"); // pas un entier : le défaut
    EXPECT_FALSE(reg.ReadBool("A", "b", false));
    EXPECT_EQ(reg.ReadBorne("A", "n", 1, 0, 40), 1);
}

TEST(Registre, EffacerUneSectionEmporteSesSousCles) {
    RegistreMemoire reg;
    reg.WriteString("Evenement\\1", "Nom", "a");
    reg.WriteString("Evenement\\10", "Nom", "b");
    reg.WriteString("Evenement\\1\\Sous", "Nom", "c");
    reg.EraseSection("Evenement\\1");
    EXPECT_FALSE(reg.SectionExiste("Evenement\\1"));
    EXPECT_FALSE(reg.Lire("Evenement\\1\\Sous", "Nom"));
    EXPECT_EQ(reg.Lire("Evenement\\10", "Nom"), "b");
    EXPECT_TRUE(reg.SectionExiste("Evenement"));
}

} // namespace
} // namespace pulsodex
