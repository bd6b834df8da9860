#include <gtest/gtest.h>

#include "core/app/Compilation.h"

namespace pulsodex {
namespace {

// La date de compilation en français.
TEST(Compilation, LigneDeLaBoiteAPropos) {
    EXPECT_EQ(LigneCompilation("Windows", 32, "Feb  7 2004"),
              "Compilé pour Windows 32 bits le 07 Février 2004");
    EXPECT_EQ(LigneCompilation("Linux", 64, "Aug 15 2026"), "Compilé pour Linux 64 bits le 15 Août 2026");
    EXPECT_EQ(LigneCompilation("Linux", 64, "Feb 45 2004"), "Compilé pour Linux 64 bits");
}

} // namespace
} // namespace pulsodex
