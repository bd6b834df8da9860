// La page de mise à jour : la version lue est une seule ligne sans blancs
// autour, et la comparaison ne se trompe jamais de sens.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Verifier.h"
#include "core/net/MiseAJour.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    using namespace pulsodex::net;
    const std::string_view page(reinterpret_cast<const char*>(donnees), taille);
    const std::string version = LireVersionDistante(page);
    VERIFIER(version.size() <= page.size());
    VERIFIER(version.find('\n') == std::string::npos);
    VERIFIER(version.find('\r') == std::string::npos);
    if (!version.empty()) {
        VERIFIER(version.front() != ' ' && version.back() != ' ');
    }
    const EtatMiseAJour etat = ComparerVersions(version, LireVersionLocale());
    if (etat != EtatMiseAJour::Inconnu) {
        VERIFIER(ComparerVersions(LireVersionLocale(), LireVersionLocale()) == EtatMiseAJour::AJour);
    }
    return 0;
}
