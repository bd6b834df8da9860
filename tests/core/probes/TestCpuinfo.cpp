#include <gtest/gtest.h>

#include "core/probes/Cpuinfo.h"

namespace pulsodex {
namespace {

TEST(Cpuinfo, NomDuProcesseur) {
    const char* x86 =
        "processor\t: 0\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel name\t: Intel(R) Core(TM) "
        "i5-8250U CPU @ 1.60GHz\ncpu MHz\t\t: 1800.000\n\nprocessor\t: 1\nvendor_id\t: GenuineIntel\n"
        "model name\t: Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz\n\n";
    EXPECT_EQ(NomDansCpuinfo(x86, 1), "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");
    // Processeur au-delà de la liste : le premier nom du texte.
    EXPECT_EQ(NomDansCpuinfo(x86, 7), "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");

    // Processeurs hybrides : chaque bloc a son nom.
    const char* hybride = "processor : 0\nmodel name : Grand\n\nprocessor : 1\nmodel name : Petit\n";
    EXPECT_EQ(NomDansCpuinfo(hybride, 1), "Petit");

    // ARM 32 bits : « Processor » dans un bloc à part.
    const char* arm = "Processor\t: ARMv7 Processor rev 10 (v7l)\nprocessor\t: 0\nBogoMIPS\t: 38.00\n\n"
                      "processor\t: 1\nBogoMIPS\t: 38.00\n\nHardware\t: BCM2835\n";
    EXPECT_EQ(NomDansCpuinfo(arm, 1), "ARMv7 Processor rev 10 (v7l)");
    EXPECT_EQ(NomDansCpuinfo("processor\t: 0\ncpu\t\t: POWER9, altivec supported\n", 0),
              "POWER9, altivec supported");
    EXPECT_EQ(
        NomDansCpuinfo("processor\t: 0\nhart\t\t: 1\nisa\t\t: rv64imafdc\nuarch\t\t: sifive,u74-mc\n", 0),
        "sifive,u74-mc");
    EXPECT_EQ(
        NomDansCpuinfo("system type\t\t: MT7621\nprocessor\t\t: 0\ncpu model\t\t: MIPS 1004Kc V2.15\n", 0),
        "MIPS 1004Kc V2.15");

    // Pas de nom : vide (une valeur vide ne compte pas ; fins de ligne CR LF tolérées).
    EXPECT_EQ(NomDansCpuinfo("processor\t: 0\r\nCPU implementer\t: 0x41\r\nmodel name\t:  \r\n", 0), "");
    EXPECT_EQ(NomDansCpuinfo("model name : sans fin de ligne", 0), "sans fin de ligne");
}

} // namespace
} // namespace pulsodex
