#include "core/probes/Releveur.h"

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <system_error>

namespace pulsodex {

namespace {
using Montre = std::chrono::steady_clock;
}

// Un chemin confié au releveur. Son nom ne change pas : un fil le lit hors du
// verrou pendant le relevé, et le chemin n'est jamais oublié en cours de relevé.
struct Releveur::Chemin {
    explicit Chemin(std::string nom) : Nom(std::move(nom)) {}
    const std::string Nom;
    ReponseSonde Reponse;
    std::uint64_t Releves = 0;
    Montre::time_point Releve; // début du dernier relevé achevé
    Montre::time_point DerniereQuestion;
    Montre::duration Duree{}; // du dernier relevé : les plus lents passent après les autres
    bool AFaire = false;      // à relever (tournée ou question)
    bool EnLecture = false;   // un fil est dans le système pour lui
    Montre::time_point Debut; // du relevé en cours
    bool Oublie = false;      // retiré pendant son relevé : oublié quand il rend la main
    bool Echu = false;        // une question a déjà attendu le relevé en cours tout le délai
};

// Partagé par l'appelant et les fils : survit au premier tant qu'un fil tourne.
struct Releveur::Etat {
    std::mutex Verrou;
    std::condition_variable Reveil;  // le releveur : échéance, demande, reprise, arrêt
    std::condition_variable Reponse; // les questions : un relevé achevé
    std::shared_ptr<SondeEspace> Sonde;
    std::map<std::string, Chemin, std::less<>> Chemins;
    Montre::duration Cadence{}; // nulle : pas de relevé sans question
    bool Recaler = false;       // échéance à refaire (cadence changée, reprise)
    bool Arret = false;
    std::optional<Montre::time_point> Echeance; // prochaine tournée ; vide : au repos
    Montre::time_point DerniereQuestion;
    // Chaque releveur a sa génération ; celui qu'on laisse à un relevé bloqué
    // n'est plus de la génération courante et s'arrête quand il rend la main.
    std::uint64_t Generation = 0;
    bool FilCourant = false;  // le releveur de la génération courante existe
    Chemin* EnMain = nullptr; // ce qu'il relève en ce moment
    std::uint64_t Releves = 0;
    std::uint64_t Reveils = 0;
    std::uint64_t Tournees = 0;
    int Fils = 0;
};

namespace {

// La prochaine tournée tombe un dixième de période avant un tic attendu (la
// dernière question plus un nombre entier de périodes) : le tic lit des
// réponses toutes fraîches. Au moins une demi-période après maintenant : le
// tic qui suit une tournée ne la fait pas refaire aussitôt. Rien après
// PeriodesSansQuestion périodes sans question.
template <typename Partage>
std::optional<Montre::time_point> ProchaineEcheance(const Partage& e, Montre::time_point maintenant) {
    const Montre::duration p = e.Cadence;
    if (p <= Montre::duration::zero()) {
        return std::nullopt;
    }
    const Montre::time_point repos = e.DerniereQuestion + PeriodesSansQuestion * p;
    Montre::time_point echeance = e.DerniereQuestion + p - p / 10;
    while (echeance < maintenant + p / 2 && echeance < repos) {
        echeance += p;
    }
    if (echeance >= repos) {
        return std::nullopt;
    }
    return echeance;
}

// Une tournée : chaque chemin questionné depuis moins de PeriodesSansQuestion
// périodes est à relever, sauf celui dont le relevé est encore en cours.
template <typename Partage>
void Tournee(Partage& e, Montre::time_point maintenant) {
    ++e.Tournees;
    const Montre::duration actif = PeriodesSansQuestion * e.Cadence;
    for (auto& [nom, c] : e.Chemins) {
        if (!c.EnLecture && maintenant - c.DerniereQuestion < actif) {
            c.AFaire = true;
        }
    }
    e.Echeance = ProchaineEcheance(e, maintenant);
}

// Le prochain chemin à relever : le plus rapide la dernière fois d'abord, pour
// qu'un chemin lent ne retarde pas les autres.
template <typename Partage>
auto* Suivant(Partage& e) {
    decltype(&e.Chemins.begin()->second) choisi = nullptr;
    for (auto& [nom, c] : e.Chemins) {
        if (c.AFaire && !c.EnLecture && (choisi == nullptr || c.Duree < choisi->Duree)) {
            choisi = &c;
        }
    }
    return choisi;
}

} // namespace

Releveur::Releveur(std::shared_ptr<SondeEspace> sonde, std::chrono::milliseconds delai)
    : m_etat(std::make_shared<Etat>()), m_delai(delai) {
    m_etat->Sonde = std::move(sonde);
}

Releveur::~Releveur() {
    bool enLecture = false;
    {
        std::lock_guard verrou(m_etat->Verrou);
        m_etat->Arret = true;
        enLecture = m_etat->EnMain != nullptr;
    }
    m_etat->Reveil.notify_all();
    if (m_fil.joinable()) {
        // Un releveur au repos s'arrête aussitôt : il ne lance un relevé
        // qu'après avoir vu, sous le verrou, qu'on ne l'arrête pas. Un
        // releveur en plein relevé (peut-être bloqué) n'est pas attendu.
        if (enLecture) {
            m_fil.detach();
        } else {
            m_fil.join();
        }
    }
}

void Releveur::FixerCadence(std::chrono::milliseconds cadence) {
    const Montre::duration nouvelle = std::max(Montre::duration(cadence), Montre::duration::zero());
    {
        std::lock_guard verrou(m_etat->Verrou);
        if (m_etat->Cadence == nouvelle) {
            return;
        }
        m_etat->Cadence = nouvelle;
        m_etat->Recaler = true;
    }
    m_etat->Reveil.notify_all();
}

void Releveur::Boucle(const std::shared_ptr<Etat>& etat, std::uint64_t generation) {
    Etat& e = *etat;
    std::unique_lock verrou(e.Verrou);
    while (!e.Arret && generation == e.Generation) {
        const Montre::time_point maintenant = Montre::now();
        if (e.Recaler) {
            e.Recaler = false;
            e.Echeance = ProchaineEcheance(e, maintenant);
        }
        if (e.Echeance && maintenant >= *e.Echeance) {
            Tournee(e, maintenant);
        }
        Chemin* c = Suivant(e);
        if (c == nullptr) {
            // Les questions ordinaires ne réveillent pas le releveur : seuls
            // l'échéance, une demande, une reprise ou l'arrêt le font.
            if (e.Echeance) {
                e.Reveil.wait_until(verrou, *e.Echeance);
            } else {
                e.Reveil.wait(verrou);
            }
            ++e.Reveils;
            continue;
        }
        c->AFaire = false;
        c->EnLecture = true;
        c->Echu = false;
        c->Debut = Montre::now();
        e.EnMain = c;
        verrou.unlock();
        ReponseSonde reponse;
        try {
            reponse = e.Sonde->Interroger(c->Nom);
        } catch (...) {
            reponse = ReponseSonde{};
        }
        const Montre::time_point fin = Montre::now();
        verrou.lock();
        c->Reponse = reponse;
        c->Releve = c->Debut;
        c->Duree = fin - c->Debut;
        ++c->Releves;
        ++e.Releves;
        c->EnLecture = false;
        if (e.EnMain == c) {
            e.EnMain = nullptr;
        }
        if (c->Oublie) {
            e.Chemins.erase(e.Chemins.find(c->Nom));
        }
        // Signalé verrou rendu : une question qui attend ne se rendort pas
        // aussitôt sur le verrou encore tenu.
        verrou.unlock();
        e.Reponse.notify_all();
        verrou.lock();
    }
    --e.Fils;
}

void Releveur::Lancer() {
    Etat& e = *m_etat;
    if (e.FilCourant || e.Arret) {
        return;
    }
    if (m_fil.joinable()) {
        m_fil.detach();
    }
    try {
        // Le fil tient sa propre part de l'état, pas l'objet.
        m_fil = std::thread([etat = m_etat, generation = e.Generation] { Boucle(etat, generation); });
    } catch (const std::system_error&) {
        return; // pas de fil : réessayé à la question suivante
    }
    e.FilCourant = true;
    ++e.Fils;
}

void Releveur::Relayer(Montre::time_point maintenant, const Chemin* demandeur) {
    Etat& e = *m_etat;
    if (e.EnMain == nullptr || e.EnMain == demandeur || maintenant - e.EnMain->Debut < m_delai) {
        return;
    }
    // Le releveur bloqué garde son chemin (en lecture : personne d'autre ne
    // le relève) et s'arrêtera quand il rendra la main.
    e.EnMain = nullptr;
    ++e.Generation;
    e.FilCourant = false;
    Lancer();
}

ReponseSonde Releveur::Interroger(const std::string& chemin) {
    Etat& e = *m_etat;
    std::unique_lock verrou(e.Verrou);
    const Montre::time_point maintenant = Montre::now();
    auto it = e.Chemins.find(chemin);
    if (it == e.Chemins.end()) {
        it = e.Chemins.try_emplace(chemin, chemin).first;
    }
    Chemin& c = it->second;
    c.Oublie = false;
    c.DerniereQuestion = maintenant;
    e.DerniereQuestion = maintenant;
    Relayer(maintenant, &c);
    Lancer();
    if (c.EnLecture && (c.Echu || maintenant - c.Debut >= m_delai)) {
        return ReponseSonde{EtatSonde::Occupee};
    }
    if (!e.FilCourant) {
        return ReponseSonde{}; // pas de fil : réessayé à la question suivante
    }
    const bool cadence = e.Cadence > Montre::duration::zero();
    // Releveur au repos : la cadence reprend à partir de cette question.
    bool reveiller = cadence && !e.Echeance;
    if (reveiller) {
        e.Recaler = true;
    }
    if (cadence && c.Releves > 0 && maintenant - c.Releve <= 2 * e.Cadence) {
        if (reveiller) {
            verrou.unlock();
            e.Reveil.notify_all();
        }
        return c.Reponse;
    }
    // Pas de réponse assez récente : un relevé neuf (celui en cours s'il y en
    // a un), attendu au plus le délai.
    const Montre::time_point limite = c.EnLecture ? c.Debut + m_delai : maintenant + m_delai;
    // Compté avant de rendre le verrou : le relevé peut finir avant qu'on le reprenne.
    const std::uint64_t avant = c.Releves;
    if (!c.EnLecture && !c.AFaire) {
        c.AFaire = true;
        reveiller = true;
    }
    if (reveiller) {
        verrou.unlock();
        e.Reveil.notify_all();
        verrou.lock();
    }
    for (;;) {
        if (c.Releves != avant) {
            return c.Reponse;
        }
        const Montre::time_point instant = Montre::now();
        if (instant >= limite) {
            c.Echu = c.EnLecture;
            return ReponseSonde{EtatSonde::Delai};
        }
        // Derrière un relevé bloqué d'un autre chemin : au délai de celui-ci,
        // un nouveau releveur prend la suite.
        Relayer(instant, &c);
        Montre::time_point reveil = limite;
        if (e.EnMain != nullptr && e.EnMain != &c) {
            reveil = std::min(reveil, e.EnMain->Debut + m_delai);
        }
        e.Reponse.wait_until(verrou, reveil);
    }
}

void Releveur::Retenir(const std::function<bool(const std::string&)>& garder) {
    std::lock_guard verrou(m_etat->Verrou);
    auto& chemins = m_etat->Chemins;
    for (auto it = chemins.begin(); it != chemins.end();) {
        if (garder(it->first)) {
            ++it;
        } else if (it->second.EnLecture) {
            it->second.Oublie = true;
            ++it;
        } else {
            it = chemins.erase(it);
        }
    }
}

std::size_t Releveur::NombreChemins() const {
    std::lock_guard verrou(m_etat->Verrou);
    return m_etat->Chemins.size();
}

Releveur::Compteurs Releveur::Bilan() const {
    std::lock_guard verrou(m_etat->Verrou);
    const Etat& e = *m_etat;
    const Montre::time_point maintenant = Montre::now();
    // Une cadence fixée que le releveur n'a pas encore prise compte déjà, comme
    // les relevés de la dernière tournée qui ne sont pas encore faits (hors
    // relevé bloqué).
    bool enCadence = e.Echeance.has_value() || (e.Recaler && ProchaineEcheance(e, maintenant));
    if (e.Cadence > Montre::duration::zero()) {
        enCadence = enCadence || (e.EnMain != nullptr && maintenant - e.EnMain->Debut < m_delai);
        for (const auto& [nom, c] : e.Chemins) {
            enCadence = enCadence || c.AFaire;
        }
    }
    return Compteurs{e.Releves, e.Reveils, e.Tournees, enCadence, e.Fils};
}

} // namespace pulsodex
