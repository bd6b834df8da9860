// La page des mesures : une requête HTTP quelconque donne un état borné et une
// réponse bien faite ; une étiquette échappée tient sur une ligne et se relit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Verifier.h"
#include "core/net/PageMesures.h"
#include "core/net/RequeteHttp.h"

namespace {

// L'inverse de l'échappement des étiquettes.
std::string Relire(std::string_view echappe) {
    std::string texte;
    for (std::size_t i = 0; i < echappe.size(); ++i) {
        if (echappe[i] == '\\' && i + 1 < echappe.size()) {
            ++i;
            texte += echappe[i] == 'n' ? '\n' : echappe[i];
        } else {
            texte += echappe[i];
        }
    }
    return texte;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    using namespace pulsodex::net;
    const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    const Requete requete = AnalyserRequete(octets, 64);
    if (requete.Etat == EtatRequete::Complete) {
        VERIFIER(!requete.Methode.empty() && requete.Chemin.starts_with('/'));
        VERIFIER(requete.Chemin.data() >= octets.data() &&
                 requete.Chemin.data() + requete.Chemin.size() <= octets.data() + octets.size());
    }
    VERIFIER(requete.Etat != EtatRequete::LigneTropLongue || octets.size() > 64);
    const std::string reponse = Repondre(requete, [] { return std::string("page\n"); });
    VERIFIER(reponse.starts_with("HTTP/1.1 "));
    const std::size_t finEnTetes = reponse.find("\r\n\r\n");
    VERIFIER(finEnTetes != std::string::npos);
    VERIFIER(reponse.find("\r\nConnection: close\r\n") < finEnTetes);

    const std::string etiquette = EchapperEtiquette(octets);
    VERIFIER(etiquette.find('\n') == std::string::npos);
    VERIFIER(Relire(etiquette) == octets);
    return 0;
}
