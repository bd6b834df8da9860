#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/commun/Trace.h"

namespace pulsodex {
namespace {

// Sortie normale : le nom précédent revient ; une exception qui s'échappe
// laisse le nom le plus profond, mais un garde posé dans un catch restaure.
// Le nom est coupé à 255 octets sans casser un caractère.
TEST(Trace, NomRenduALaSortieNormaleSeulementEtCoupe) {
    FixerTrace("TPulsodexForm.FormShow");
    { TraceProcedure interne("TConfig.ChargeTout"); }
    EXPECT_EQ(Trace().Lire(), "TPulsodexForm.FormShow");
    const auto peinture = [] {
        TraceProcedure trace("TPulsodexForm.MemPaintBoxPaint");
        throw std::runtime_error("débordement");
    };
    EXPECT_THROW(peinture(), std::runtime_error);
    EXPECT_EQ(Trace().Lire(), "TPulsodexForm.MemPaintBoxPaint");
    FixerTrace("avant");
    try {
        throw std::runtime_error("x");
    } catch (const std::exception&) {
        { TraceProcedure trace("WinVer"); }
        EXPECT_EQ(Trace().Lire(), "avant");
    }
    FixerTrace(std::string(254, 'a') + "é"); // « é » ne tient pas entier dans 255 octets
    EXPECT_EQ(Trace().Lire(), std::string(254, 'a'));
    FixerTrace(std::string(300, 'b'));
    EXPECT_EQ(Trace().Lire(), std::string(255, 'b'));
}

} // namespace
} // namespace pulsodex
