// Programme de test des fenêtres : une application Qt hors écran.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/app/ApplicationPulsodex.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    pulsodex::ApplicationPulsodex application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
