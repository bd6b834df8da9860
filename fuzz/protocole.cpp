// Le serveur du port 1109 : les octets d'une lecture donnent une action
// bornée, et un message montré est de l'UTF-8 valide.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Verifier.h"
#include "core/commun/Textes.h"
#include "core/net/Protocole.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    using namespace pulsodex;
    const std::string_view octets(reinterpret_cast<const char*>(donnees), taille);
    const net::ActionCommande action = net::TraiterLecture(octets);
    VERIFIER(action.Reponse.empty() || action.Reponse == net::ReponseOk || action.Reponse == net::ReponseBye);
    VERIFIER(!action.Fermer || action.Reponse == net::ReponseBye);
    if (action.Message) {
        // Latin-1 prend au plus deux octets par caractère.
        VERIFIER(action.Message->size() <= 2 * net::TailleLecture);
        VERIFIER(Utf8OuLatin1(*action.Message) == *action.Message);
    }
    return 0;
}
