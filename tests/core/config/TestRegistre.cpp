#include <gtest/gtest.h>

#include "ConfigEssai.h"
#include "core/config/FichierIni.h"

namespace pulsodex {
namespace {

// Les deux registres du programme : en mémoire, et sur le fichier des réglages.
TEST(Registres, EffacerUneSectionEmporteSesSousCles) {
    test::RegistreEnMemoire memoire;
    test::RegistreSurFichierEnMemoire fichier;
    for (Registre* reg : std::initializer_list<Registre*>{&memoire.Reg, &fichier.Reg}) {
        reg->WriteString("Evenement\\1", "Nom", "a");
        reg->WriteString("Evenement\\10", "Nom", "b");
        reg->WriteString("Evenement\\1\\Sous", "Nom", "c");
        reg->WriteString("Evenement\\1", "Type", "2");
        EXPECT_EQ(reg->NomsValeurs("Evenement\\1"), (std::vector<std::string>{"Nom", "Type"}));
        reg->EraseSection("Evenement\\1");
        EXPECT_FALSE(reg->SectionExiste("Evenement\\1"));
        EXPECT_FALSE(reg->Lire("Evenement\\1\\Sous", "Nom"));
        EXPECT_EQ(reg->Lire("Evenement\\10", "Nom"), "b");
        EXPECT_TRUE(reg->SectionExiste("Evenement"));
        EXPECT_TRUE(reg->Synchroniser());
    }
}

// Chaque défaut ne coûte que sa ligne (ou le bloc d'un en-tête abîmé) ; ce qui
// est lu se réécrit puis se relit à l'identique, sans défaut.
TEST(FichierIni, LignesAbimeesSeules) {
    using enum DefautIni;
    struct Cas {
        std::string_view Texte;
        std::vector<LigneAbimee> Abimees;
        ValeursIni Valeurs;
    };
    const Cas cas[] = {
        {"[A]\nx=\"ouvert\ny=2\nz=\"fermé\"\n", {{2, GuillemetNonFerme}}, {{"A\\y", "2"}, {"A\\z", "fermé"}}},
        {"[A]\nx=\xE9t\xE9\ny=2\n", {{2, NonUtf8}}, {{"A\\y", "2"}}},
        {"[A]\nrien\n=v\ny=2\n", {{2, LigneInconnue}, {3, LigneInconnue}}, {{"A\\y", "2"}}},
        {"[A]\ny=2\n[B\nz=3\n\n[C]\nw=4",
         {{3, EnTeteCoupe}, {4, SectionPerdue}},
         {{"A\\y", "2"}, {"C\\w", "4"}}},
        {"[A]\nx=a\\\ny=2\n", {{2, SuiteDeLigne}}, {{"A\\y", "2"}}},
        {"; c\n# c=d\n\n  [A]  \r\n x = \" a \" ; note\r\ny=C:\\Users\\x41\\101\\t\rz=\"a\"  b",
         {},
         {{"A\\x", " a "}, {"A\\y", "C:\\UsersAA\t"}, {"A\\z", "a  b"}}},
        {"\xEF\xBB\xBFk=v\n[general]\nl=w\n[%General]\nm=@@x\n[S%20t]\n0\\Unit%E9=%U20AC\nn=@ByteArray(o)",
         {},
         {{"k", "v"}, {"l", "w"}, {"General\\m", "@x"}, {"S t\\0\\Unité", "%U20AC"}, {"S t\\n", "o"}}}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.Texte);
        const LectureIni lue = LireIni(c.Texte);
        EXPECT_EQ(lue.Abimees, c.Abimees);
        EXPECT_EQ(lue.Valeurs, c.Valeurs);
        EXPECT_EQ(LireIni(EcrireIni(lue.Valeurs)).Valeurs, c.Valeurs);
    }
}

} // namespace
} // namespace pulsodex
