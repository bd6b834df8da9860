#include "PlateformeFactice.h"

#include "core/config/RegistreFichier.h"

namespace pulsodex::test {

PlateformeFactice::PlateformeFactice() {
    Identite.Systeme = "Processeur d'essai";
    BlocsEssai.Peripheriques["/dev/sda1"] = {"sda", false};
    Sonde->Repondre("/", 100LL << 30, 25LL << 30);
}

CarteLecteurs PlateformeFactice::Lecteurs(Registre& reglages) {
    return ChargerLecteurs(reglages, MontagesEssai.Table().Montes);
}

std::unique_ptr<Registre> PlateformeFactice::OuvrirReglages() {
    return std::make_unique<RegistreFichier>(StockageEssai, HorlogeEssai);
}

} // namespace pulsodex::test
