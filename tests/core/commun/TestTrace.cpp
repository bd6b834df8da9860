#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/commun/Trace.h"

namespace pulsodex {
namespace {

void Interieure() {
    TraceProcedure trace("ChaineTaille");
    throw std::runtime_error("débordement");
}

void Peinture() {
    TraceProcedure trace("TPulsodexForm.MemPaintBoxPaint");
    Interieure();
}

TEST(Trace, RendLeNomPrecedentALaSortieNormale) {
    FixerTrace("TPulsodexForm.FormShow");
    {
        TraceProcedure externe("TConfig.ChargeTout");
        {
            TraceProcedure interne("TConfig.ChargeEnvironnement");
            EXPECT_EQ(Trace().Lire(), "TConfig.ChargeEnvironnement");
        }
        EXPECT_EQ(Trace().Lire(), "TConfig.ChargeTout");
    }
    EXPECT_EQ(Trace().Lire(), "TPulsodexForm.FormShow");
}

TEST(Trace, UneExceptionLaisseLeNomLePlusProfondMaisPasUnGardeDansUnCatch) {
    FixerTrace("");
    EXPECT_THROW(Peinture(), std::runtime_error);
    EXPECT_EQ(Trace().Lire(), "ChaineTaille");
    // Une routine appelée pendant le traitement d'une exception restaure bien.
    FixerTrace("avant");
    try {
        throw std::runtime_error("x");
    } catch (const std::exception&) {
        { TraceProcedure trace("WinVer"); }
        EXPECT_EQ(Trace().Lire(), "avant");
    }
}

TEST(Trace, CoupeA255OctetsSansCasserUnCaractere) {
    std::string nom(254, 'a');
    nom += "é"; // deux octets : ne tient pas entier dans 255
    FixerTrace(nom);
    EXPECT_EQ(Trace().Lire(), std::string(254, 'a'));
    FixerTrace(std::string(300, 'b'));
    EXPECT_EQ(Trace().Lire().size(), 255U);
}

} // namespace
} // namespace pulsodex
