#include "windows/PlateformeWindows.h"

#include "linux/IdentiteProcesseurLinux.h"
#include "windows/Cle.h"
#include "windows/Emplacements.h"
#include "windows/RegistreWindows.h"

namespace pulsodex {

ReponsesCpuid SourceProcesseurWindows::Reponses(std::uint8_t /*processeur*/) const {
    return LireReponsesCpuid();
}

std::string SourceProcesseurWindows::NomSysteme(std::uint8_t processeur) const {
    const Cle cle(HKEY_LOCAL_MACHINE,
                  L"HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\" + std::to_wstring(processeur), false,
                  KEY_READ);
    return cle.LireTexte(L"ProcessorNameString").value_or("");
}

std::string PlateformeWindows::WinVer() const {
    return WinVerWindows(LireVersionWindows());
}

std::unique_ptr<Registre> PlateformeWindows::OuvrirReglages() {
    return std::make_unique<RegistreWindows>(HKEY_CURRENT_USER, CleReglagesWindows(),
                                             FichierReglages().string());
}

std::filesystem::path PlateformeWindows::CheminExecutable() const {
    return CheminExecutableWindows();
}

std::string PlateformeWindows::RepertoireProgramme() const {
    return RepertoireProgrammeWindows();
}

std::string PlateformeWindows::DossierExecution() const {
    return DossierExecutionWindows();
}

std::filesystem::path PlateformeWindows::FichierReglages() const {
    return "HKEY_CURRENT_USER\\" + CleReglagesWindows();
}

std::unique_ptr<Plateforme> PlateformeDuSysteme() {
    return std::make_unique<PlateformeWindows>();
}

} // namespace pulsodex
