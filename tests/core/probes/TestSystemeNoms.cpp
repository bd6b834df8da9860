#include <gtest/gtest.h>

#include "core/probes/SystemeNoms.h"

namespace pulsodex {
namespace {

VersionWindows Version(std::uint32_t plateforme, std::uint32_t majeure, std::uint32_t mineure, std::string sp,
                       std::uint32_t build) {
    return {majeure | (mineure << 8U), true, majeure, mineure, build, plateforme, std::move(sp)};
}

TEST(WinVer, NomsDeWindows) {
    const std::pair<VersionWindows, const char*> cas[] = {
        {VersionWindows{4 | (10U << 8U), false, 0, 0, 0, 0, ""}, "Windows 4.10"}, // sans GetVersionEx
        {Version(0, 3, 10, "", 0), "Windows 3.10 + Win32s  (Build 0)"},
        {Version(1, 4, 10, " A ", 0x040A07CE), "Windows 98  A  (Build 1998)"},
        {Version(1, 4, 90, "", 3000), "Windows Millenium  (Build 3000)"},
        {Version(2, 4, 0, "Service Pack 6", 1381), "Windows NT 4.0 Service Pack 6 (Build 1381)"},
        {Version(2, 5, 0, std::string("Service Pack 1\0xyz", 18), 2195),
         "Windows 2000 Service Pack 1 (Build 2195)"},
        {Version(2, 5, 1, "Service Pack 2", 2600), "Windows XP Service Pack 2 (Build 2600)"},
        {Version(2, 5, 2, "", 3790), "Windows 2003 Serveur  (Build 3790)"},
    };
    for (const auto& [version, attendu] : cas) {
        EXPECT_EQ(WinVerWindows(version), attendu);
    }
    EXPECT_TRUE(Windows2000Windows(Version(2, 5, 0, "", 0)));
    EXPECT_FALSE(Windows2000Windows(Version(1, 4, 90, "", 0)));
}

TEST(WinVer, NomLinuxDeLaMemeForme) {
    EXPECT_EQ(
        WinVerLinux({"Debian GNU/Linux 12", "6.1.0-18-amd64", "#1 SMP PREEMPT_DYNAMIC Debian 6.1.76-1"}),
        "Debian GNU/Linux 12 6.1.0-18-amd64 (Build 1)");
    EXPECT_EQ(NomDistribution("PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\n"
                              "VERSION_ID=\"12\"\n"),
              "Debian GNU/Linux 12");
    EXPECT_EQ(WinVerLinux({"Linux", "6.8.0", "SMP"}), "Linux 6.8.0 (Build 0)");
    EXPECT_EQ(NomDistribution("NAME=Arch Linux\nPRETTY_NAME=\"Arch Linux\"\n"), "Arch Linux");
    EXPECT_EQ(NomDistribution("PRETTY_NAME='Mon système'\n"), "Mon système");
    EXPECT_FALSE(NomDistribution("rien"));
}

} // namespace
} // namespace pulsodex
