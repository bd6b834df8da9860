#include "core/net/ServeurControle.h"

#include <array>
#include <system_error>

#include "core/net/EcouteServeur.h"

namespace pulsodex::net {

namespace {
using std::chrono::milliseconds;
} // namespace

ServeurControle::ServeurControle(ParametresServeur parametres, RappelsServeur rappels)
    : m_parametres(std::move(parametres)), m_rappels(std::move(rappels)) {}

ServeurControle::~ServeurControle() {
    Desactiver();
}

void ServeurControle::Activer() {
    if (Actif()) {
        return;
    }
    OuvrirEcoute(m_parametres.Adresse, m_parametres.Port, m_ecoute, m_port, m_filEcoute,
                 [this] { Ecouter(); });
}

void ServeurControle::Desactiver() {
    if (!Actif()) {
        return;
    }
    m_arret.request_stop();
    m_reveil.Declencher();
    m_filEcoute.join();
    m_ecoute.Fermer(); // les nouveaux clients sont refusés dès maintenant
    for (auto& connexion : m_liste) {
        connexion->Fil.join();
    }
    m_liste.clear();
    m_port = 0;
    m_reveil.Vider();
    m_fins.Vider();
    m_arret = std::stop_source{};
}

bool ServeurControle::AttendreConnexions(std::size_t n, milliseconds delai) {
    std::unique_lock verrou(m_mutex);
    return m_changement.wait_for(verrou, delai, [&] { return m_connexions.load() == n; });
}

void ServeurControle::Ecouter() {
    for (;;) {
        const std::array<Poignee, 2> prises{m_ecoute.Fd(), m_fins.Fd()};
        std::array<bool, 2> pretes{};
        try {
            if (AttendrePrises(prises, pretes, &m_reveil, SansFin) == Attente::Reveil) {
                return;
            }
        } catch (const ErreurPrise&) {
            if (AttendreLecture(m_reveil.Fd(), nullptr, milliseconds(100)) == Attente::Prete) {
                return;
            }
            continue;
        }
        if (pretes[1]) {
            m_fins.Vider();
            Recolter();
        }
        if (pretes[0]) {
            Accepter();
        }
    }
}

void ServeurControle::Accepter() {
    bool epuise = false;
    Descripteur client = net::Accepter(m_ecoute.Fd(), epuise);
    if (!client.Valide()) {
        if (epuise) {
            // Le client reste en file d'attente : on laisse passer un moment
            // plutôt que de tourner à vide (le réveil reste prioritaire).
            AttendreLecture(m_reveil.Fd(), nullptr, milliseconds(100));
        }
        return;
    }
    if (m_connexions.load() >= m_parametres.ClientsMax) {
        return; // fermée aussitôt, sans salutation
    }
    m_liste.push_back(std::make_unique<Connexion>());
    Connexion& connexion = *m_liste.back();
    connexion.Client = std::move(client);
    {
        const std::lock_guard verrou(m_mutex);
        ++m_connexions;
    }
    m_changement.notify_all();
    try {
        connexion.Fil = std::thread(&ServeurControle::Servir, this, std::ref(connexion));
    } catch (const std::system_error&) {
        Terminee(connexion);
        m_liste.pop_back();
    }
}

void ServeurControle::Recolter() {
    for (auto it = m_liste.begin(); it != m_liste.end();) {
        if ((*it)->Finie.load()) {
            (*it)->Fil.join();
            it = m_liste.erase(it);
        } else {
            ++it;
        }
    }
}

void ServeurControle::Servir(Connexion& connexion) {
    std::string panne;
    try {
        Boucle(connexion.Client.Fd());
    } catch (const ErreurPrise& erreur) {
        // Un client parti n'est pas une panne : c'est une fin de connexion.
        if (!erreur.CorrespondantParti()) {
            panne = erreur.what();
        }
    } catch (const std::exception& erreur) {
        panne = erreur.what();
    }
    if (!panne.empty() && m_rappels.Signaler) {
        try {
            m_rappels.Signaler(panne, m_arret.get_token());
        } catch (...) { // NOLINT(bugprone-empty-catch) : rien de plus à faire sur ce fil
        }
    }
    Terminee(connexion);
}

void ServeurControle::Terminee(Connexion& connexion) {
    {
        const std::lock_guard verrou(m_mutex);
        --m_connexions;
    }
    m_changement.notify_all();
    // Compté avant d'être fermé : quand le client voit la fin, la place est libre.
    connexion.Client.Fermer();
    connexion.Finie = true;
    m_fins.Declencher();
}

void ServeurControle::Boucle(Poignee fd) {
    const std::stop_token arret = m_arret.get_token();
    const milliseconds silence = m_parametres.Silence;
    if (!EnvoyerTout(fd, Salutation, &m_reveil, silence)) {
        return;
    }
    std::array<char, TailleLecture> zone{};
    while (!arret.stop_requested()) {
        const Attente attente = AttendreLecture(fd, &m_reveil, silence);
        if (attente == Attente::Reveil) {
            return;
        }
        std::ptrdiff_t lus = 0;
        if (attente == Attente::Prete) {
            lus = Recevoir(fd, zone);
            if (lus < 0) {
                continue;
            }
        }
        if (lus == 0) {
            // Silence, ou client parti : ce texte n'atteint qu'un client encore là.
            try {
                EnvoyerTout(fd, ReponseSilence, &m_reveil, silence);
            } catch (const ErreurPrise&) { // NOLINT(bugprone-empty-catch) : la connexion se ferme
            }
            return;
        }
        const ActionCommande action = TraiterLecture({zone.data(), static_cast<std::size_t>(lus)});
        if (!action.Reponse.empty() && !EnvoyerTout(fd, action.Reponse, &m_reveil, silence)) {
            return;
        }
        if (action.Fermer) {
            return;
        }
        if (action.Message && m_rappels.Montrer) {
            m_rappels.Montrer(*action.Message, arret);
        }
    }
}

} // namespace pulsodex::net
