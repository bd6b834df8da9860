#include "core/net/RequeteHttp.h"

#include <algorithm>

#include "core/net/PageMesures.h"

namespace pulsodex::net {

namespace {

constexpr std::string_view CheminMesures = "/metrics";
constexpr std::string_view TypeTexte = "text/plain; charset=utf-8";

bool Jeton(std::string_view texte) {
    return !texte.empty() &&
           std::all_of(texte.begin(), texte.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool Imprimable(std::string_view texte) {
    return std::all_of(texte.begin(), texte.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

// « MÉTHODE cible HTTP/1.x », séparés par une espace.
Requete LigneDeRequete(std::string_view ligne) {
    Requete r;
    r.Etat = EtatRequete::Malformee;
    const std::size_t premier = ligne.find(' ');
    const std::size_t second = premier == std::string_view::npos ? premier : ligne.find(' ', premier + 1);
    if (second == std::string_view::npos) {
        return r;
    }
    const std::string_view methode = ligne.substr(0, premier);
    const std::string_view cible = ligne.substr(premier + 1, second - premier - 1);
    const std::string_view version = ligne.substr(second + 1);
    if (!Jeton(methode) || cible.empty() || cible.front() != '/' || !Imprimable(cible) ||
        (version != "HTTP/1.1" && version != "HTTP/1.0")) {
        return r;
    }
    r.Methode = methode;
    r.Chemin = cible.substr(0, cible.find('?'));
    r.Etat = EtatRequete::Incomplete;
    return r;
}

std::string Reponse(std::string_view statut, std::string_view type, const std::string& corps, bool avecCorps,
                    std::string_view enTetes = {}) {
    std::string texte = "HTTP/1.1 ";
    texte.append(statut).append("\r\nContent-Type: ").append(type);
    texte.append("\r\nContent-Length: ").append(std::to_string(corps.size()));
    texte.append("\r\nConnection: close\r\n").append(enTetes).append("\r\n");
    if (avecCorps) {
        texte += corps;
    }
    return texte;
}

std::string Erreur(std::string_view statut, const std::string& explication, std::string_view enTetes = {}) {
    return Reponse(statut, TypeTexte, explication + "\n", true, enTetes);
}

} // namespace

Requete AnalyserRequete(std::string_view recu, std::size_t tailleMax) {
    const std::size_t finLigne = recu.find('\n');
    if (finLigne == std::string_view::npos) {
        return {recu.size() > tailleMax ? EtatRequete::LigneTropLongue : EtatRequete::Incomplete, {}, {}};
    }
    std::string_view ligne = recu.substr(0, finLigne);
    if (ligne.ends_with('\r')) {
        ligne.remove_suffix(1);
    }
    Requete r = LigneDeRequete(ligne);
    if (r.Etat == EtatRequete::Malformee) {
        return r;
    }
    // La fin des en-têtes : une ligne vide (CRLF ou LF seul).
    const std::string_view suite = recu.substr(finLigne);
    const bool finie =
        suite.find("\n\r\n") != std::string_view::npos || suite.find("\n\n") != std::string_view::npos;
    if (finie) {
        r.Etat = EtatRequete::Complete;
    } else if (recu.size() > tailleMax) {
        r.Etat = EtatRequete::EnTetesTropLongs;
    }
    return r;
}

std::string Repondre(const Requete& r, const std::function<std::string()>& page) {
    switch (r.Etat) {
    case EtatRequete::Malformee:
    case EtatRequete::Incomplete:
        return Erreur("400 Bad Request", "Requête mal formée.");
    case EtatRequete::LigneTropLongue:
        return Erreur("414 URI Too Long", "Ligne de requête trop longue.");
    case EtatRequete::EnTetesTropLongs:
        return Erreur("431 Request Header Fields Too Large", "En-têtes trop longs.");
    case EtatRequete::Complete:
        break;
    }
    if (r.Methode != "GET" && r.Methode != "HEAD") {
        return Erreur("405 Method Not Allowed", "Seules GET et HEAD sont permises.", "Allow: GET, HEAD\r\n");
    }
    if (r.Chemin != CheminMesures) {
        return Erreur("404 Not Found", "Page inconnue : les mesures sont sur /metrics.");
    }
    return Reponse("200 OK", TypePageMesures, page(), r.Methode == "GET");
}

std::string ReponseDelaiDepasse() {
    return Erreur("408 Request Timeout", "Requête incomplète dans le délai.");
}

} // namespace pulsodex::net
