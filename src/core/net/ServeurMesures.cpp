#include "core/net/ServeurMesures.h"

#include <algorithm>
#include <array>

#include "core/net/EcouteServeur.h"
#include "core/net/RequeteHttp.h"

namespace pulsodex::net {

namespace {
using std::chrono::milliseconds;
using Horloge = std::chrono::steady_clock;

constexpr std::size_t TailleLecture = 4096;
// Clients acceptés d'un coup avant de revenir servir les autres.
constexpr int AcceptationsParTour = 64;
} // namespace

ServeurMesures::ServeurMesures(ParametresMesures parametres, std::function<std::string()> page)
    : m_parametres(std::move(parametres)), m_page(std::move(page)) {}

ServeurMesures::~ServeurMesures() {
    Desactiver();
}

void ServeurMesures::Activer() {
    if (Actif()) {
        return;
    }
    OuvrirEcoute(m_parametres.Adresse, m_parametres.Port, m_ecoute, m_port, m_fil, [this] { Boucle(); });
}

void ServeurMesures::Desactiver() {
    if (!Actif()) {
        return;
    }
    m_reveil.Declencher();
    m_fil.join();
    m_clients.clear();
    m_nombre = 0;
    m_ecoute.Fermer();
    m_port = 0;
    m_reveil.Vider();
}

void ServeurMesures::Boucle() {
    std::vector<PriseSurveillee> prises;
    for (;;) {
        Expirer(Horloge::now());
        prises.assign(1, PriseSurveillee{m_ecoute.Fd()});
        for (const Client& c : m_clients) {
            prises.push_back({c.Prise.Fd(), !c.Sortie.empty()});
        }
        Attente attente = Attente::Delai;
        try {
            attente = AttendreEnsemble(prises, &m_reveil, Delai(Horloge::now()));
        } catch (const ErreurPrise&) {
            // Manque de mémoire passager : on laisse passer un moment (l'arrêt reste prompt).
            if (AttendreLecture(m_reveil.Fd(), nullptr, milliseconds(100)) == Attente::Prete) {
                break;
            }
            continue;
        }
        if (attente == Attente::Reveil) {
            break;
        }
        const Instant maintenant = Horloge::now();
        // Les clients présents à l'attente, avant ceux qu'on va accepter.
        for (std::size_t i = 0; i + 1 < prises.size(); ++i) {
            if (prises[i + 1].Prete) {
                Client& c = m_clients[i];
                if (c.Sortie.empty()) {
                    Lire(c, maintenant);
                } else {
                    Ecrire(c);
                }
            }
        }
        std::erase_if(m_clients, [](const Client& c) { return c.Fini; });
        if (prises.front().Prete) {
            Accepter(maintenant);
        }
        m_nombre = m_clients.size();
    }
    m_clients.clear();
    m_nombre = 0;
}

milliseconds ServeurMesures::Delai(Instant maintenant) const {
    if (m_clients.empty()) {
        return SansFin; // personne : le fil dort jusqu'au prochain client
    }
    Instant proche = m_clients.front().Echeance;
    for (const Client& c : m_clients) {
        proche = std::min(proche, c.Echeance);
    }
    // Arrondi au-dessus : réveillé à l'échéance, pas juste avant.
    return std::max(std::chrono::ceil<milliseconds>(proche - maintenant), milliseconds(0));
}

void ServeurMesures::Accepter(Instant maintenant) {
    for (int n = 0; n < AcceptationsParTour; ++n) {
        bool epuise = false;
        Descripteur prise = net::Accepter(m_ecoute.Fd(), epuise);
        if (!prise.Valide()) {
            if (epuise) {
                // Le client reste en file : un moment plutôt que tourner à vide.
                AttendreLecture(m_reveil.Fd(), nullptr, milliseconds(100));
            }
            return;
        }
        if (m_clients.size() >= m_parametres.ClientsMax) {
            continue; // fermée aussitôt
        }
        Client c;
        c.Prise = std::move(prise);
        c.Echeance = maintenant + m_parametres.DelaiLecture;
        m_clients.push_back(std::move(c));
    }
}

void ServeurMesures::Lire(Client& c, Instant maintenant) {
    std::array<char, TailleLecture> zone{};
    std::ptrdiff_t lus = 0;
    try {
        lus = Recevoir(c.Prise.Fd(), zone);
    } catch (const ErreurPrise&) {
        c.Fini = true;
        return;
    }
    if (lus < 0) {
        return;
    }
    if (lus == 0) {
        c.Fini = true; // parti avant la fin de sa requête
        return;
    }
    c.Entree.append(zone.data(), static_cast<std::size_t>(lus));
    const Requete requete = AnalyserRequete(c.Entree, m_parametres.RequeteMax);
    if (requete.Etat == EtatRequete::Incomplete) {
        return;
    }
    std::string reponse;
    try {
        reponse = Repondre(requete, m_page);
    } catch (const std::exception&) {
        c.Fini = true; // page impossible à faire (mémoire) : le client voit la fin
        return;
    }
    Preparer(c, std::move(reponse), maintenant);
}

void ServeurMesures::Preparer(Client& c, std::string reponse, Instant maintenant) {
    c.Entree.clear();
    c.Entree.shrink_to_fit();
    c.Sortie = std::move(reponse);
    c.Echeance = maintenant + m_parametres.DelaiEcriture;
    Ecrire(c); // le plus souvent, tout part d'un coup
}

void ServeurMesures::Ecrire(Client& c) {
    try {
        const std::string_view reste = std::string_view(c.Sortie).substr(c.Envoye);
        const std::ptrdiff_t envoyes = Envoyer(c.Prise.Fd(), reste);
        if (envoyes > 0) {
            c.Envoye += static_cast<std::size_t>(envoyes);
        }
    } catch (const ErreurPrise&) {
        c.Fini = true;
        return;
    }
    c.Fini = c.Envoye == c.Sortie.size();
}

void ServeurMesures::Expirer(Instant maintenant) {
    for (Client& c : m_clients) {
        if (maintenant < c.Echeance) {
            continue;
        }
        if (c.Sortie.empty()) {
            Preparer(c, ReponseDelaiDepasse(), maintenant); // trop lent à demander
        } else {
            c.Fini = true; // trop lent à lire la réponse
        }
    }
    std::erase_if(m_clients, [](const Client& c) { return c.Fini; });
    m_nombre = m_clients.size();
}

} // namespace pulsodex::net
