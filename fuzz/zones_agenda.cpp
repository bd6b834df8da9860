// Zones de la page « Agen&da » : l'heure précise et la minute de chaque heure,
// telles que l'utilisateur les tape. Ce qui est accepté est réécrit sous une
// forme qui se relit à l'identique, et passe de l'affichage au stockage et retour.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Verifier.h"
#include "core/config/dialog/ZonesAgenda.h"

namespace {
// Séparateurs d'heure de vraies langues ; vide : la langue n'en donne pas.
constexpr std::array<std::string_view, 5> Separateurs{":", ".", "h", "\xE2\x80\xAF", ""};

bool DeuxChiffres(std::string_view t, int maximum) {
    return t.size() == 2 && t[0] >= '0' && t[0] <= '9' && t[1] >= '0' && t[1] <= '9' &&
           (t[0] - '0') * 10 + (t[1] - '0') <= maximum;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    using namespace pulsodex;
    FuzzedDataProvider fournisseur(donnees, taille);
    const std::string_view separateur = fournisseur.PickValueInArray(Separateurs);
    const std::string_view sep = separateur.empty() ? std::string_view(":") : separateur;
    const std::string texte = fournisseur.ConsumeRemainingBytesAsString();

    if (const auto heure = LireHeureSaisie(texte, separateur)) {
        VERIFIER(heure->size() == 4 + sep.size());
        VERIFIER(DeuxChiffres(std::string_view(*heure).substr(0, 2), 23));
        VERIFIER(std::string_view(*heure).substr(2, sep.size()) == sep);
        VERIFIER(DeuxChiffres(std::string_view(*heure).substr(2 + sep.size()), 59));
        VERIFIER(LireHeureSaisie(*heure, separateur) == heure);
        const std::string stockee = HeureStockee(*heure, separateur);
        VERIFIER(stockee.size() == 5 && stockee[2] == ':');
        VERIFIER(HeureAffichee(stockee, separateur) == *heure);
    }
    (void)HeureStockee(texte, separateur);
    (void)HeureAffichee(texte, separateur);

    if (const auto minute = LireMinuteSaisie(texte)) {
        VERIFIER(DeuxChiffres(*minute, 59));
        VERIFIER(LireMinuteSaisie(*minute) == minute);
        if (texte.size() <= 2) {
            const int tapee = std::stoi(texte);
            VERIFIER(std::stoi(*minute) == (tapee > 59 ? 0 : tapee));
        }
    }
    return 0;
}
