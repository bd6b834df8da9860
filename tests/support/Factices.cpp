#include "Factices.h"

#include <stdexcept>

namespace pulsodex::test {

ReponseBoite PresentateurScripte::Prochaine(BoutonsBoite boutons) {
    if (m_reponses.empty()) {
        return boutons == BoutonsBoite::OuiNon ? ReponseBoite::Non : ReponseBoite::Ok;
    }
    const ReponseBoite reponse = m_reponses.front();
    m_reponses.pop_front();
    return reponse;
}

ReponseBoite PresentateurScripte::Boite(std::string_view texte, std::string_view legende, IconeBoite icone,
                                        BoutonsBoite boutons) {
    Montrees.push_back({std::string(texte), std::string(legende), icone, boutons});
    return Prochaine(boutons);
}

void PresentateurScripte::Ouvrir(std::string_view texte, std::string_view legende, IconeBoite icone,
                                 BoutonsBoite boutons, SuiteBoite suite) {
    Montrees.push_back({std::string(texte), std::string(legende), icone, boutons});
    if (GarderOuvertes) {
        m_ouvertes.push_back(std::move(suite));
    } else if (suite) {
        suite(Prochaine(boutons));
    } else {
        Prochaine(boutons);
    }
}

void PresentateurScripte::OuvrirMessage(std::string_view texte, std::string_view legende, std::uint16_t son,
                                        std::function<void()> fermee) {
    Messages.push_back({std::string(texte), std::string(legende), son});
    auto suite = [fermee = std::move(fermee)](ReponseBoite) {
        if (fermee) {
            fermee();
        }
    };
    if (GarderOuvertes) {
        m_ouvertes.emplace_back(std::move(suite));
    } else {
        suite(ReponseBoite::Ok);
    }
}

bool PresentateurScripte::Fermer(ReponseBoite reponse) {
    if (m_ouvertes.empty()) {
        return false;
    }
    SuiteBoite suite = std::move(m_ouvertes.front());
    m_ouvertes.pop_front();
    if (suite) {
        suite(reponse);
    }
    return true;
}

std::optional<std::string> ListeDemarrageMemoire::Lire(PorteeDemarrage portee, std::string_view nom) const {
    const auto& table = portee == PorteeDemarrage::Utilisateur ? Utilisateur : Machine;
    auto it = table.find(std::string(nom));
    if (it == table.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool ListeDemarrageMemoire::Ecrire(PorteeDemarrage portee, std::string_view nom, std::string_view commande) {
    if (portee == PorteeDemarrage::Machine && !MachineInscriptible) {
        return false;
    }
    (portee == PorteeDemarrage::Utilisateur ? Utilisateur : Machine)[std::string(nom)] =
        std::string(commande);
    return true;
}

bool ListeDemarrageMemoire::Effacer(PorteeDemarrage portee, std::string_view nom) {
    if (portee == PorteeDemarrage::Machine && !MachineInscriptible) {
        return false;
    }
    (portee == PorteeDemarrage::Utilisateur ? Utilisateur : Machine).erase(std::string(nom));
    return true;
}

DateHeure HorlogeFactice::Maintenant() const {
    if (Echouer) {
        throw std::runtime_error("Heure illisible");
    }
    return Moment;
}

StatutMemoire SourceMemoireFactice::Lire() {
    ++Lectures;
    if (Echouer) {
        throw std::runtime_error("Lecture de la mémoire impossible");
    }
    return Statut;
}

bool SourceCpuFactice::Lire(std::vector<CompteursCpu>& instances) {
    ++Lectures;
    if (!Releves.empty()) {
        m_dernier = Releves.front();
        Releves.pop_front();
    }
    instances = m_dernier;
    return !instances.empty();
}

std::string StockageMemoire::Remplacer(std::string_view octets) {
    if (!EchecEcriture.empty()) {
        return "« " + Chemin() + " » : " + EchecEcriture;
    }
    Octets = Substitut ? *Substitut : std::string(octets);
    return {};
}

CopieReglages StockageMemoire::GarderCopie(std::string_view octets, const DateHeure& moment) {
    if (!EchecCopie.empty()) {
        return {{}, EchecCopie};
    }
    std::string nom =
        Chemin() + ".illisible-" + std::to_string(moment.Annee) + "-" + std::to_string(Copies.size());
    Copies.emplace(nom, std::string(octets));
    return {nom, {}};
}

} // namespace pulsodex::test
