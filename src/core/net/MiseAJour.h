#pragma once
// La vérification des mises à jour : page « /maj.html » du serveur de
// l'éditeur (directement ou par le mandataire), version publiée et version
// du programme.
#include <chrono>
#include <cstdint>
#include <stop_token>
#include <string>
#include <string_view>

namespace pulsodex::net {

struct AdresseReseau {
    std::string Hote;
    std::uint16_t Port = 80;
};

struct DelaisMiseAJour {
    std::chrono::milliseconds Connexion{10000};
    std::chrono::milliseconds Lecture{30000};
};

struct ParametresMiseAJour {
    AdresseReseau Serveur;
    std::string Proxy; // vide : connexion directe
    std::int32_t PortProxy = 8080;
    DelaisMiseAJour Delais;
};

enum class EtatMiseAJour { Inconnu, AJour, Disponible };

// Le serveur de mise à jour : celui du produit, ou celui que nomme la
// variable PULSODEX_MAJ (« hote:port ») quand elle est bien formée.
AdresseReseau ServeurMiseAJour(const char* variable);
ParametresMiseAJour ParametresDepuis(std::string proxy, std::int32_t portProxy, const char* variable);

// Les requêtes, octet pour octet.
std::string RequeteDirecte(const AdresseReseau& serveur);
std::string RequeteProxy(const AdresseReseau& serveur);

// Une lecture unique d'au plus 1024 octets de la réponse, jusqu'au premier
// zéro, en majuscules ; vide si la connexion échoue, si rien n'arrive à temps
// ou si l'arrêt est demandé.
std::string TelechargerPage(const std::string& hote, std::int32_t port, std::string_view requete,
                            const DelaisMiseAJour& delais, const std::stop_token& arret = {});
std::string TelechargerPageDirecte(const ParametresMiseAJour& parametres, const std::stop_token& arret = {});
std::string TelechargerPageProxy(const ParametresMiseAJour& parametres, const std::stop_token& arret = {});

// Le texte qui suit « PULSODEX XP: » jusqu'à la fin de sa ligne, sans blancs
// ni caractères de contrôle autour ; vide sans marque.
std::string LireVersionDistante(std::string_view reponse);
// La version du programme, « %.2d%.2d%.2d » de majeure, mineure, publication.
std::string VersionTexte(int majeure, int mineure, int publication);
std::string LireVersionLocale();

// Les deux versions comparées comme des entiers ; Inconnu si l'une n'en est pas un.
EtatMiseAJour ComparerVersions(std::string_view distante, std::string_view locale);
// Tout le parcours : page, version publiée, comparaison.
EtatMiseAJour VerifierMiseAJour(const ParametresMiseAJour& parametres, const std::stop_token& arret = {});

} // namespace pulsodex::net
