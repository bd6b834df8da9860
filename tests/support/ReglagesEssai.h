#pragma once
// Le registre du programme sur un vrai fichier des réglages, avec une horloge
// et un temps de verrou factices. Le fichier est lu à la construction.
#include <filesystem>

#include "Factices.h"
#include "core/config/RegistreFichier.h"
#include "linux/StockageFichier.h"

namespace pulsodex::test {

// Le temps du verrou, qui n'avance que par les pauses.
class TempsVerrouFactice : public TempsVerrou {
public:
    std::chrono::system_clock::time_point Instant = std::chrono::system_clock::now();
    int Pauses = 0;
    [[nodiscard]] std::chrono::system_clock::time_point Maintenant() const override { return Instant; }
    void Patienter(std::chrono::milliseconds duree) override {
        Instant += duree;
        ++Pauses;
    }
};

struct ReglagesEssai {
    explicit ReglagesEssai(const std::filesystem::path& fichier)
        : Stockage(fichier.string(), Temps), Reg(Stockage, Horloge) {}
    HorlogeFactice Horloge;
    TempsVerrouFactice Temps;
    StockageFichier Stockage;
    RegistreFichier Reg;
};

} // namespace pulsodex::test
