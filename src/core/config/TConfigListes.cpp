// Chargement et sauvegarde des règles d'avertissement et des événements.
#include "core/commun/Produit.h"
#include "core/commun/Textes.h"
#include "core/commun/Trace.h"
#include "core/config/JoursMois.h"
#include "core/config/TConfig.h"
#include "core/interfaces/Presentateur.h"

namespace pulsodex {

namespace {
constexpr std::string_view Racine;
constexpr std::int64_t CompteMax = 255;

std::string CleAvertissement(int i) {
    return "Avertissement\\" + std::to_string(i);
}
std::string CleEvenement(int i) {
    return "Evenement\\" + std::to_string(i);
}

// Nombre d'enregistrements : à la racine, sinon (ancien emplacement) dans la
// section de la résolution. Un nombre hors de 0..255 est ramené dans ces bornes
// pour ne perdre aucun enregistrement lisible.
int LireNombre(const Registre& reg, std::string_view section, std::string_view nom) {
    auto texte = reg.Lire(section, nom);
    if (!texte) {
        return 0;
    }
    auto n = LireEntierDecimal(*texte);
    if (!n || *n < 0) {
        return 0;
    }
    return static_cast<int>(std::min(*n, CompteMax));
}

// L'ancien emplacement ne sert que si la racine n'a pas de nombre : le zéro
// qu'écrit la sauvegarde d'une liste vidée ne fait pas revenir les anciens.
int NombreEnregistrements(const Registre& reg, std::string_view res, std::string_view nom) {
    return reg.Lire(Racine, nom) ? LireNombre(reg, Racine, nom) : LireNombre(reg, res, nom);
}
} // namespace

Ressource TConfig::Lire_Avertissement(int indice) {
    TraceProcedure trace("TConfig.Lire_Avertissement");
    const std::string texte = Reg().ReadString(CleAvertissement(indice), "Ressource", "non_trouve");
    auto ressource = ChercherEnumeration(enums::Ressource, texte);
    if (!ressource) {
        const std::string message = "L'avertissement \"" + MinusculesAscii(texte) +
                                    "\" n'est pas reconnu par " + std::string(produit::Titre) + ".";
        m_services.Boites.Ouvrir(message, produit::Titre, IconeBoite::Information, BoutonsBoite::Ok);
        return Ressource::Aucune;
    }
    return static_cast<Ressource>(*ressource);
}

Unite TConfig::Lire_Unite(int indice) const {
    return LireCode<Unite>(enums::Unite, m_services.Reg.ReadString(CleAvertissement(indice), "Unité", "Mo"));
}

void TConfig::Ecrire_Ressource(int indice, Ressource ressource) {
    m_services.Reg.WriteString(CleAvertissement(indice), "Ressource",
                               EcrireCode(enums::Ressource, ressource));
}

void TConfig::Ecrire_Unite(int indice, Unite unite) {
    m_services.Reg.WriteString(CleAvertissement(indice), "Unité", EcrireCode(enums::Unite, unite));
}

std::uint8_t TConfig::Lire_Jour(std::string_view prefixe, std::string_view nom, int indice) const {
    const std::string cle = std::string(prefixe) + std::to_string(indice);
    return LireTexteJour(m_services.Locale, m_services.Reg.ReadString(cle, nom, "0"));
}

std::uint8_t TConfig::Lire_Mois(std::string_view prefixe, std::string_view nom, int indice) const {
    const std::string cle = std::string(prefixe) + std::to_string(indice);
    return LireTexteMois(m_services.Locale, m_services.Reg.ReadString(cle, nom, "0"));
}

ModeLancement TConfig::Lire_Lancement(std::string_view cle, std::string_view nom) const {
    return LireCode<ModeLancement>(enums::ModeLancement, m_services.Reg.ReadString(cle, nom, "0"));
}

void TConfig::ChargeAvertissements() {
    TraceProcedure trace("TConfig.ChargeAvertissements");
    Registre& reg = Reg();
    Avertissements.clear();
    const int n = NombreEnregistrements(reg, m_section, "NombreAvertissements");
    for (int i = 0; i < n; ++i) {
        const std::string cle = CleAvertissement(i);
        const Ressource ressource = Lire_Avertissement(i);
        if (ressource == Ressource::Aucune) {
            reg.EraseSection(cle);
            continue;
        }
        TAvertissement regle;
        regle.Ressource = ressource;
        regle.Disque = "C";
        regle.Seuil = reg.ReadInteger(cle, "Seuil", 10);
        if (ressource == Ressource::ChargeMemoire) {
            regle.Unite = Unite::Pourcent;
        } else {
            regle.Unite = Lire_Unite(i);
        }
        if (ressource == Ressource::Disque) {
            regle.Disque = TronquerCaracteres(reg.ReadString(cle, "Disque", "C"), 1);
        }
        Avertissements.push_back(regle);
    }
}

void TConfig::ChargeEvenements() {
    TraceProcedure trace("TConfig.ChargeEvenements");
    Registre& reg = Reg();
    Evenements.clear();
    const int n = NombreEnregistrements(reg, m_section, "NombreEvenement");
    for (int i = 0; i < n; ++i) {
        const std::string cle = CleEvenement(i);
        TEvenement e;
        e.Actif = MyReadBool(cle, "Actif", "Non");
        e.Type = static_cast<TypeEvenement>(reg.ReadBorne(cle, "Type", 0, 0, 255));
        e.Nom = reg.ReadString(cle, "Nom", "Evénement indéfinie");
        e.Commande = reg.ReadString(cle, "Commande", "");
        e.Parametres = reg.ReadString(cle, "Paramètres", "");
        e.Repertoire = reg.ReadString(cle, "Répertoire", "");
        e.Jour = Lire_Jour("Evenement\\", "Jour", i);
        e.Mois = Lire_Mois("Evenement\\", "Mois", i);
        const std::string heure = reg.ReadString(cle, "Heure", "");
        e.ModeLancement = Lire_Lancement(cle, "ModeLancement");
        e.Message = reg.ReadString(cle, "Message", "<Pas de message>");
        if (NombreCaracteres(heure) < 3) {
            e.Minute = TronquerCaracteres(heure, 2);
        } else {
            e.Heure = TronquerCaracteres(heure, 5);
        }
        Evenements.push_back(std::move(e));
    }
}

void TConfig::SauveAvertissements() {
    TraceProcedure trace("TConfig.SauveAvertissements");
    Registre& reg = Reg();
    int k = 0;
    for (std::size_t i = 0; i < Avertissements.size(); ++i) {
        reg.EraseSection(CleAvertissement(static_cast<int>(i)));
        const TAvertissement& regle = Avertissements[i];
        if (regle.Ressource == Ressource::Aucune) {
            continue;
        }
        const std::string cle = CleAvertissement(k);
        Ecrire_Ressource(k, regle.Ressource);
        switch (regle.Ressource) {
        case Ressource::MemoireTotale:
        case Ressource::MemoirePhysique:
        case Ressource::Disque:
            reg.WriteInteger(cle, "Seuil", regle.Seuil);
            Ecrire_Unite(k, regle.Unite);
            if (regle.Ressource == Ressource::Disque) {
                reg.WriteString(cle, "Disque", regle.Disque);
            }
            break;
        case Ressource::ChargeMemoire:
            reg.WriteInteger(cle, "Seuil", regle.Seuil);
            break;
        default:
            break;
        }
        ++k;
    }
    reg.WriteInteger(Racine, "NombreAvertissements", k);
}

void TConfig::SauveEvenements() {
    TraceProcedure trace("TConfig.SauveEvenements");
    Registre& reg = Reg();
    for (std::size_t i = 0; i < Evenements.size(); ++i) {
        const std::string cle = CleEvenement(static_cast<int>(i));
        const TEvenement& e = Evenements[i];
        reg.EraseSection(cle);
        reg.WriteInteger(cle, "Type", static_cast<std::uint8_t>(e.Type));
        MyWriteBool(cle, "Actif", e.Actif);
        reg.WriteString(cle, "Jour", TexteJour(Locale(), e.Jour));
        reg.WriteString(cle, "Mois", TexteMois(Locale(), e.Mois));
        reg.WriteString(cle, "Heure", !e.Heure.empty() ? e.Heure : e.Minute);
        reg.WriteString(cle, "Message", e.Message);
        reg.WriteString(cle, "Nom", e.Nom);
        reg.WriteString(cle, "Commande", e.Commande);
        reg.WriteString(cle, "Paramètres", e.Parametres);
        reg.WriteString(cle, "Répertoire", e.Repertoire);
        reg.WriteString(cle, "ModeLancement", EcrireCode(enums::ModeLancement, e.ModeLancement));
    }
    reg.WriteInteger(Racine, "NombreEvenement", static_cast<std::int64_t>(Evenements.size()));
}

} // namespace pulsodex
