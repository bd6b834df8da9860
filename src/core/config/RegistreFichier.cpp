#include "core/config/RegistreFichier.h"

namespace pulsodex {

namespace {
// Le début des chemins des valeurs d'une section : « A\B\ » ; vide pour la racine.
std::string Prefixe(std::string_view section) {
    std::string prefixe = CheminIni(section, "");
    if (!prefixe.empty()) {
        prefixe += '\\';
    }
    return prefixe;
}
} // namespace

RegistreFichier::RegistreFichier(StockageReglages& stockage, const Horloge& horloge)
    : m_stockage(stockage), m_horloge(horloge) {
    ContenuReglages contenu = m_stockage.Lire();
    // Un fichier qui ne se lit pas n'est jamais réécrit : Synchroniser le relit d'abord.
    if (contenu.Cause.empty()) {
        Connaitre(std::move(contenu.Octets));
    }
    m_valeurs = m_lues;
}

void RegistreFichier::Connaitre(std::optional<std::string> octets) {
    m_octets = std::move(octets);
    LectureIni lecture = m_octets ? LireIni(*m_octets) : LectureIni{};
    m_lues = std::move(lecture.Valeurs);
    m_abime = !lecture.Abimees.empty();
    if (m_abime) {
        const CopieReglages copie = m_stockage.GarderCopie(*m_octets, m_horloge.Maintenant());
        m_avis =
            LectureImparfaite{m_stockage.Chemin(), copie.Chemin, copie.Cause, std::move(lecture.Abimees)};
        m_avisDit = false;
    }
}

const LectureImparfaite* RegistreFichier::LectureADire() const {
    return m_avis && !m_avisDit ? &*m_avis : nullptr;
}

std::optional<std::string> RegistreFichier::Lire(std::string_view section, std::string_view nom) const {
    const auto valeur = m_valeurs.find(CheminIni(section, nom));
    if (valeur == m_valeurs.end()) {
        return std::nullopt;
    }
    return valeur->second;
}

void RegistreFichier::Ecrire(std::string_view section, std::string_view nom, std::string_view texte) {
    std::string chemin = CheminIni(section, nom);
    const auto actuelle = m_valeurs.find(chemin);
    if (chemin.empty() || (actuelle != m_valeurs.end() && actuelle->second == texte)) {
        return;
    }
    m_valeurs.insert_or_assign(chemin, std::string(texte));
    m_changements.insert_or_assign(std::move(chemin), std::string(texte));
}

void RegistreFichier::EffacerSection(std::string_view section) {
    const std::string prefixe = Prefixe(section);
    for (auto valeur = m_valeurs.lower_bound(prefixe);
         valeur != m_valeurs.end() && valeur->first.starts_with(prefixe);) {
        m_changements.insert_or_assign(valeur->first, std::nullopt);
        valeur = m_valeurs.erase(valeur);
    }
}

bool RegistreFichier::SectionExiste(std::string_view section) const {
    const std::string prefixe = Prefixe(section);
    const auto premiere = m_valeurs.lower_bound(prefixe);
    return premiere != m_valeurs.end() && premiere->first.starts_with(prefixe);
}

std::vector<std::string> RegistreFichier::NomsValeurs(std::string_view section) const {
    const std::string prefixe = Prefixe(section);
    std::vector<std::string> noms;
    for (auto valeur = m_valeurs.lower_bound(prefixe);
         valeur != m_valeurs.end() && valeur->first.starts_with(prefixe); ++valeur) {
        const std::string_view nom = std::string_view(valeur->first).substr(prefixe.size());
        if (nom.find('\\') == std::string_view::npos) {
            noms.emplace_back(nom);
        }
    }
    return noms;
}

bool RegistreFichier::Synchroniser() {
    m_intact = true;
    if (m_changements.empty() && !m_abime) {
        m_erreur.clear();
        return true;
    }
    if (LectureADire() != nullptr) {
        m_erreur =
            "« " + m_stockage.Chemin() + " » : ce fichier abîmé n'est pas réécrit avant d'avoir été signalé";
        return false;
    }
    if (std::string cause = m_stockage.Verrouiller(); !cause.empty()) {
        m_erreur = std::move(cause);
        return false;
    }
    const bool reussi = EcrireSousVerrou();
    m_stockage.Deverrouiller();
    return reussi;
}

bool RegistreFichier::EcrireSousVerrou() {
    const std::string lieu = "« " + m_stockage.Chemin() + " » : ";
    ContenuReglages contenu = m_stockage.Lire();
    if (!contenu.Cause.empty()) {
        m_erreur = std::move(contenu.Cause);
        return false;
    }
    // Changé depuis la dernière lecture (un autre programme, une main) : relu,
    // et signalé avant toute écriture s'il est abîmé.
    if (contenu.Octets != m_octets) {
        Connaitre(std::move(contenu.Octets));
        if (LectureADire() != nullptr) {
            m_erreur = lieu + "le fichier a été abîmé depuis sa lecture";
            return false;
        }
    }
    if (m_abime && m_avis->Copie.empty()) {
        const CopieReglages copie = m_stockage.GarderCopie(*m_octets, m_horloge.Maintenant());
        if (copie.Chemin.empty()) {
            m_erreur = lieu + "sa copie n'a pas pu être gardée (" + copie.Cause +
                       ") ; il n'est pas réécrit sans elle";
            return false;
        }
        m_avis->Copie = copie.Chemin;
    }
    ValeursIni nouvelles = m_lues;
    for (const auto& [chemin, valeur] : m_changements) {
        if (valeur) {
            nouvelles.insert_or_assign(chemin, *valeur);
        } else {
            nouvelles.erase(chemin);
        }
    }
    std::string octets = EcrireIni(nouvelles);
    if (octets != m_octets) {
        if (std::string cause = m_stockage.Remplacer(octets); !cause.empty()) {
            m_erreur = std::move(cause);
            return false;
        }
        if (m_stockage.Lire().Octets != octets) {
            m_intact = false;
            m_erreur = lieu + "le fichier relu ne contient pas ce qui vient d'y être écrit";
            return false;
        }
    }
    m_octets = std::move(octets);
    m_lues = nouvelles;
    m_valeurs = std::move(nouvelles);
    m_changements.clear();
    m_abime = false;
    m_erreur.clear();
    return true;
}

} // namespace pulsodex
