// mountinfo et fstab : lus sans faute ; les chemins normalisés restent absolus
// et le montage trouvé pour un chemin le contient bien.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Verifier.h"
#include "core/probes/Montages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    using namespace pulsodex;
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const auto montes = LireMountinfo(texte);
    const auto prevus = LireFstab(texte);
    (void)DecoderOctal(texte);

    // La première ligne sert de chemin cherché.
    const std::string chemin = NormaliserChemin(texte.substr(0, texte.find('\n')));
    if (!chemin.empty()) {
        VERIFIER(chemin.front() == '/');
        VERIFIER(chemin == "/" || chemin.back() != '/');
        VERIFIER(chemin.find("//") == std::string::npos);
        VERIFIER(NormaliserChemin(chemin) == chemin);
        VERIFIER(EstSous(chemin, "/"));
    }
    for (const auto* table : {&montes, &prevus}) {
        const Montage* m = MontageDe(*table, chemin);
        if (m != nullptr) {
            VERIFIER(EstSous(chemin, NormaliserChemin(m->Point)) || EstSous(chemin, m->Point));
        }
        for (const Montage& montage : *table) {
            VERIFIER(MontageAuPoint(*table, montage.Point) != nullptr);
        }
    }
    return 0;
}
