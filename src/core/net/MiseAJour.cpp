#include "core/net/MiseAJour.h"

#include <array>
#include <cstdio>

#include "core/commun/Produit.h"
#include "core/commun/Textes.h"
#include "core/plateforme/Prises.h"

namespace pulsodex::net {

namespace {

constexpr std::string_view Marque = "PULSODEX XP:";

// Nom d'hôte tel qu'il s'écrit dans une adresse web (port s'il n'est pas 80).
std::string Autorite(const AdresseReseau& serveur) {
    std::string nom = serveur.Hote.find(':') != std::string::npos ? "[" + serveur.Hote + "]" : serveur.Hote;
    if (serveur.Port != 80) {
        nom += ":" + std::to_string(serveur.Port);
    }
    return nom;
}

bool Blanc(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

AdresseReseau ServeurMiseAJour(const char* variable) {
    AdresseReseau produit{std::string(produit::HoteMiseAJour), produit::PortMiseAJour};
    if (variable == nullptr) {
        return produit;
    }
    const std::string_view texte(variable);
    const std::size_t deuxPoints = texte.rfind(':');
    if (deuxPoints == std::string_view::npos) {
        return produit;
    }
    std::string_view hote = texte.substr(0, deuxPoints);
    if (hote.size() >= 2 && hote.front() == '[' && hote.back() == ']') {
        hote = hote.substr(1, hote.size() - 2);
    }
    const auto port = LireEntierDecimal(texte.substr(deuxPoints + 1));
    if (hote.empty() || !port || *port < 1 || *port > 65535) {
        return produit;
    }
    return {std::string(hote), static_cast<std::uint16_t>(*port)};
}

ParametresMiseAJour ParametresDepuis(std::string proxy, std::int32_t portProxy, const char* variable) {
    ParametresMiseAJour parametres;
    parametres.Serveur = ServeurMiseAJour(variable);
    parametres.Proxy = std::move(proxy);
    parametres.PortProxy = portProxy;
    return parametres;
}

std::string RequeteDirecte(const AdresseReseau& serveur) {
    return "GET " + std::string(produit::PageMiseAJour) + " HTTP/1.1\r\nHost: " + Autorite(serveur) +
           "\r\n\r\n";
}

std::string RequeteProxy(const AdresseReseau& serveur) {
    return "GET http://" + Autorite(serveur) + std::string(produit::PageMiseAJour) + " HTTP/1.1\r\n\r\n";
}

std::string TelechargerPage(const std::string& hote, std::int32_t port, std::string_view requete,
                            const DelaisMiseAJour& delais, const std::stop_token& arret) {
    if (port < 1 || port > 65535) {
        return {};
    }
    try {
        Reveil reveil;
        const std::stop_callback rappel(arret, [&reveil] { reveil.Declencher(); });
        const Descripteur prise =
            Connecter(hote, static_cast<std::uint16_t>(port), delais.Connexion, &reveil);
        if (!prise.Valide() || !EnvoyerTout(prise.Fd(), requete, &reveil, delais.Lecture) ||
            AttendreLecture(prise.Fd(), &reveil, delais.Lecture) != Attente::Prete) {
            return {};
        }
        std::array<char, 1024> zone{};
        const std::ptrdiff_t lus = Recevoir(prise.Fd(), zone);
        if (lus <= 0) {
            return {};
        }
        const std::string_view page(zone.data(), static_cast<std::size_t>(lus));
        return MajusculesAscii(page.substr(0, page.find('\0')));
    } catch (const ErreurPrise&) {
        return {}; // comme un serveur muet
    }
}

std::string TelechargerPageDirecte(const ParametresMiseAJour& parametres, const std::stop_token& arret) {
    return TelechargerPage(parametres.Serveur.Hote, parametres.Serveur.Port,
                           RequeteDirecte(parametres.Serveur), parametres.Delais, arret);
}

std::string TelechargerPageProxy(const ParametresMiseAJour& parametres, const std::stop_token& arret) {
    return TelechargerPage(parametres.Proxy, parametres.PortProxy, RequeteProxy(parametres.Serveur),
                           parametres.Delais, arret);
}

std::string LireVersionDistante(std::string_view reponse) {
    const std::string texte = MajusculesAscii(reponse);
    const std::size_t marque = texte.find(Marque);
    if (marque == std::string::npos) {
        return {};
    }
    // Le premier caractère après la marque est pris sans être examiné.
    const std::size_t debut = marque + Marque.size();
    if (debut >= texte.size()) {
        return {};
    }
    std::size_t fin = debut + 1;
    while (fin < texte.size() && texte[fin] != '\r' && texte[fin] != '\n') {
        ++fin;
    }
    std::string_view version(texte.data() + debut, fin - debut);
    while (!version.empty() && Blanc(version.front())) {
        version.remove_prefix(1);
    }
    while (!version.empty() && Blanc(version.back())) {
        version.remove_suffix(1);
    }
    return std::string(version);
}

std::string VersionTexte(int majeure, int mineure, int publication) {
    std::array<char, 40> tampon{};
    std::snprintf(tampon.data(), tampon.size(), "%.2d%.2d%.2d", majeure, mineure, publication);
    return tampon.data();
}

std::string LireVersionLocale() {
    return VersionTexte(PULSODEX_VERSION_MAJEURE, PULSODEX_VERSION_MINEURE, PULSODEX_VERSION_PUBLICATION);
}

EtatMiseAJour ComparerVersions(std::string_view distante, std::string_view locale) {
    const auto publiee = LireEntierDecimal(distante);
    const auto propre = LireEntierDecimal(locale);
    if (!publiee || !propre) {
        return EtatMiseAJour::Inconnu;
    }
    return *publiee > *propre ? EtatMiseAJour::Disponible : EtatMiseAJour::AJour;
}

EtatMiseAJour VerifierMiseAJour(const ParametresMiseAJour& parametres, const std::stop_token& arret) {
    const std::string page = parametres.Proxy.empty() ? TelechargerPageDirecte(parametres, arret)
                                                      : TelechargerPageProxy(parametres, arret);
    return ComparerVersions(LireVersionDistante(page), LireVersionLocale());
}

} // namespace pulsodex::net
