#include "core/net/Protocole.h"

#include "core/commun/Textes.h"

namespace pulsodex::net {

std::string TexteCommande(std::string_view octets) {
    std::string texte(octets.substr(0, octets.find('\0')));
    if (texte.size() > 2) {
        const std::size_t crlf = texte.find("\r\n");
        if (crlf != std::string::npos) {
            texte.erase(crlf, 2);
        }
    }
    return texte;
}

ActionCommande Distribuer(std::string_view commande) {
    const std::string c3 = MajusculesAscii(commande.substr(0, 3));
    const std::string c4 = MajusculesAscii(commande.substr(0, 4));
    if (c3 == "GET") {
        return {std::string(ReponseOk), false, std::nullopt};
    }
    if (c3 == "BYE" || c4 == "QUIT") {
        return {std::string(ReponseBye), true, std::nullopt};
    }
    if (c4 == "SHOW") {
        const std::string_view reste = commande.size() > 4 ? commande.substr(4) : std::string_view{};
        return {{}, false, Utf8OuLatin1(reste)};
    }
    // KILL est reconnu et ne fait rien, comme toute autre commande.
    return {};
}

ActionCommande TraiterLecture(std::string_view octets) {
    return Distribuer(TexteCommande(octets.substr(0, TailleLecture)));
}

} // namespace pulsodex::net
