#include "core/net/PageMesures.h"

namespace pulsodex::net {

namespace {

constexpr std::string_view Prefixe = "pulsodex_";

void Famille(std::string& page, std::string_view nom, std::string_view aide) {
    page.append("# HELP ").append(Prefixe).append(nom).append(" ").append(aide).append("\n");
    page.append("# TYPE ").append(Prefixe).append(nom).append(" gauge\n");
}

void Valeur(std::string& page, std::string_view nom, std::string_view etiquettes, std::string_view valeur) {
    page.append(Prefixe).append(nom).append(etiquettes).append(" ").append(valeur).append("\n");
}

void Mesure(std::string& page, std::string_view nom, std::string_view aide, std::string_view valeur) {
    Famille(page, nom, aide);
    Valeur(page, nom, {}, valeur);
}

std::string EtiquettesLecteur(const LecteurReleve& l) {
    return "{lecteur=\"" + std::string(1, l.Lettre) + "\",dossier=\"" + EchapperEtiquette(l.Dossier) + "\"}";
}

// Une famille par chiffre d'un lecteur, ceux qui ne répondent pas omis.
void Lecteurs(std::string& page, const ReleveMesures& r, std::string_view nom, std::string_view aide,
              std::int64_t LecteurReleve::*chiffre) {
    bool famille = false;
    for (const LecteurReleve& l : r.Lecteurs) {
        if (!l.Repond) {
            continue;
        }
        if (!famille) {
            Famille(page, nom, aide);
            famille = true;
        }
        Valeur(page, nom, EtiquettesLecteur(l), std::to_string(l.*chiffre));
    }
}

} // namespace

std::string EchapperEtiquette(std::string_view valeur) {
    std::string sortie;
    sortie.reserve(valeur.size());
    for (const char c : valeur) {
        switch (c) {
        case '\\':
            sortie += "\\\\";
            break;
        case '"':
            sortie += "\\\"";
            break;
        case '\n':
            sortie += "\\n";
            break;
        default:
            sortie += c;
        }
    }
    return sortie;
}

std::string Rapport(std::uint8_t pourcentage) {
    if (pourcentage == 0 || pourcentage >= 100) {
        return pourcentage == 0 ? "0" : "1";
    }
    std::string texte = "0.";
    texte += static_cast<char>('0' + pourcentage / 10);
    if (pourcentage % 10 != 0) {
        texte += static_cast<char>('0' + pourcentage % 10);
    }
    return texte;
}

std::string PageMesures(const ReleveMesures& r) {
    std::string page;
    if (r.Pret) {
        const StatutMemoire& m = r.Memoire;
        Mesure(page, "memoire_libre_bytes", "Mémoire libre totale (MemAvailable + SwapFree), en octets.",
               std::to_string(m.AvailPageFile));
        Mesure(page, "memoire_taille_bytes", "Mémoire totale (MemTotal + SwapTotal), en octets.",
               std::to_string(m.TotalPageFile));
        Mesure(page, "memoire_physique_libre_bytes", "Mémoire physique libre (MemAvailable), en octets.",
               std::to_string(m.AvailPhys));
        Mesure(page, "memoire_physique_taille_bytes", "Mémoire physique (MemTotal), en octets.",
               std::to_string(m.TotalPhys));
        Mesure(page, "memoire_utilisee_ratio", "Taux d'utilisation de la mémoire, de 0 à 1.",
               Rapport(m.MemoryLoad));
        if (r.ChargeCpu) {
            Mesure(page, "processeur_charge_ratio", "Charge du processeur, de 0 à 1.", Rapport(*r.ChargeCpu));
        }
        if (r.ChargeCpuMoyenne) {
            Mesure(page, "processeur_charge_moyenne_ratio", "Charge moyenne du processeur, de 0 à 1.",
                   Rapport(*r.ChargeCpuMoyenne));
        }
        if (!r.Lecteurs.empty()) {
            Famille(page, "lecteur_repond", "Le lecteur a répondu au dernier relevé (1) ou non (0).");
            for (const LecteurReleve& l : r.Lecteurs) {
                Valeur(page, "lecteur_repond", EtiquettesLecteur(l), l.Repond ? "1" : "0");
            }
        }
        Lecteurs(page, r, "lecteur_libre_bytes", "Espace libre du lecteur (f_bfree × f_frsize), en octets.",
                 &LecteurReleve::Libre);
        Lecteurs(page, r, "lecteur_taille_bytes", "Taille du lecteur (f_blocks × f_frsize), en octets.",
                 &LecteurReleve::Taille);
        Mesure(page, "alarmes_actives", "Règles d'avertissement dont la condition tenait au dernier relevé.",
               std::to_string(r.AlarmesTenues));
    }
    Famille(page, "version_info", "Version de Pulsodex.");
    Valeur(page, "version_info", "{version=\"" + EchapperEtiquette(r.Version) + "\"}", "1");
    return page;
}

} // namespace pulsodex::net
