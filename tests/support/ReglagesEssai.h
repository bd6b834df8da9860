#pragma once
// Le registre du programme sur un vrai fichier des réglages, avec une horloge
// et un temps de verrou factices. Le fichier est lu à la construction.
#include <filesystem>

#include "Factices.h"
#include "core/config/RegistreFichier.h"
#include "core/config/linux/StockageFichier.h"

namespace pulsodex::test {

struct ReglagesEssai {
    explicit ReglagesEssai(const std::filesystem::path& fichier)
        : Stockage(fichier.string(), Temps), Reg(Stockage, Horloge) {}
    HorlogeFactice Horloge;
    TempsVerrouFactice Temps;
    StockageFichier Stockage;
    RegistreFichier Reg;
};

} // namespace pulsodex::test
