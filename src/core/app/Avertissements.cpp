#include "core/app/Avertissements.h"

#include <cmath>

#include "core/commun/LettresLecteurs.h"
#include "core/commun/Trace.h"

namespace pulsodex {

namespace {
std::int64_t Arrondi(double v) {
    return static_cast<std::int64_t>(std::nearbyint(v));
} // moitiés au pair

// Une règle d'une autre ressource est passée.
bool RessourceConnue(Ressource r) {
    switch (r) {
    case Ressource::MemoireTotale:
    case Ressource::MemoirePhysique:
    case Ressource::Disque:
    case Ressource::ChargeMemoire:
        return true;
    default:
        return false;
    }
}

// La valeur mesurée pour la règle, dans son unité ; rien si elle ne se mesure pas.
std::optional<std::int64_t> Mesurer(const TAvertissement& r, const StatutMemoire& m,
                                    EspaceLecteurs& disques) {
    if (r.Ressource == Ressource::ChargeMemoire) {
        return m.MemoryLoad;
    }
    std::int64_t v = 0;
    std::int64_t total = 0;
    switch (r.Ressource) {
    case Ressource::MemoireTotale:
        v = m.AvailPageFile;
        total = m.TotalPageFile;
        break;
    case Ressource::MemoirePhysique:
        v = m.AvailPhys;
        total = m.TotalPhys;
        break;
    case Ressource::Disque: {
        const std::uint8_t lecteur = r.Disque.size() == 1 ? NumeroDuLecteur(r.Disque[0]) : 0;
        if (lecteur == 0) {
            return std::nullopt;
        }
        // Une seule interrogation ; un lecteur qui ne répond pas n'est pas un
        // lecteur plein.
        const ReponseSonde espace = disques.Espace(lecteur);
        if (espace.Etat != EtatSonde::Ok || espace.Libre < 0) {
            return std::nullopt;
        }
        v = espace.Libre;
        total = espace.Taille;
        break;
    }
    default:
        return std::nullopt;
    }
    switch (r.Unite) {
    case Unite::Pourcent:
        // Un total nul ou illisible : pas de pourcentage, la condition ne tient pas.
        if (total <= 0) {
            return std::nullopt;
        }
        return Arrondi(static_cast<double>(v) / static_cast<double>(total) * 100.0);
    case Unite::Ko:
        return Arrondi(static_cast<double>(v) / 1024.0);
    case Unite::Mo:
        return Arrondi(static_cast<double>(v) / 1048576.0);
    default:
        return v;
    }
}
} // namespace

Alarmes EvaluerAvertissements(ListeAvertissements& regles, const StatutMemoire& memoire, std::int32_t repeter,
                              EspaceLecteurs& disques) {
    TraceProcedure trace("TPulsodexForm.Avertir");
    Alarmes a;
    for (TAvertissement& r : regles) {
        if (r.Compteur > 0) {
            --r.Compteur;
        }
        if (!RessourceConnue(r.Ressource)) {
            continue;
        }
        const auto v = Mesurer(r, memoire, disques);
        const bool tient = v && (r.Ressource == Ressource::ChargeMemoire ? *v > r.Seuil : *v < r.Seuil);
        if (!tient) {
            r.Compteur = 0; // réarmée
            continue;
        }
        if (r.Compteur != 0) {
            continue; // attend, ou ne se répète pas
        }
        // La charge se tait si une règle de mémoire a déjà sonné avant elle.
        if (r.Ressource == Ressource::ChargeMemoire && (a.Totale || a.Physique)) {
            continue;
        }
        r.Compteur = static_cast<std::int8_t>(repeter);
        switch (r.Ressource) {
        case Ressource::MemoireTotale:
            a.Totale = true;
            break;
        case Ressource::MemoirePhysique:
            a.Physique = true;
            break;
        case Ressource::Disque:
            a.Disque = true;
            a.Disques.set(NumeroDuLecteur(r.Disque[0]));
            break;
        default:
            a.Charge = true;
            break;
        }
    }
    return a;
}

void Debut_Phrase(std::string& texte, int sujets, int sujet) {
    if (texte.empty()) {
        texte += "L";
    } else if (sujet != sujets) {
        texte += ", l";
    } else {
        texte += " ainsi que l";
    }
}

void Debut_Disque(std::string& texte, int disques, int disque) {
    if (disque == 1) {
        texte += disques == 1 ? "e disque" : "es disques";
    } else if (disque == disques) {
        texte += " et";
    } else {
        texte += ",";
    }
}

std::uint8_t Cherche_Disque(const std::bitset<27>& disques, int n) {
    int vus = 0;
    for (std::size_t lecteur = 1; lecteur < disques.size(); ++lecteur) {
        if (disques.test(lecteur) && ++vus == n) {
            return static_cast<std::uint8_t>(lecteur);
        }
    }
    return 0;
}

std::string PhraseAlarme(const Alarmes& a) {
    if (a.Aucune()) {
        return {};
    }
    const int sujets = (a.Totale ? 1 : 0) + (a.Physique ? 1 : 0) + (a.Charge ? 1 : 0) + (a.Disque ? 1 : 0);
    const int disques = static_cast<int>(a.Disques.count());
    std::string texte;
    bool feminin = false;
    int sujet = 0;
    const std::pair<bool, const char*> memoires[] = {
        {a.Totale, "a mémoire totale"}, {a.Physique, "a mémoire physique"}, {a.Charge, "a mémoire"}};
    for (const auto& [leve, nom] : memoires) {
        if (leve) {
            Debut_Phrase(texte, sujets, ++sujet);
            texte += nom;
            feminin = true;
        }
    }
    if (a.Disque) {
        Debut_Phrase(texte, sujets, ++sujet);
        feminin = false;
        for (int j = 1; j <= disques; ++j) {
            Debut_Disque(texte, disques, j);
            texte += ' ';
            texte += LettreDuLecteur(Cherche_Disque(a.Disques, j));
        }
    }
    if (sujets > 1 || disques > 1) {
        texte += " sont pratiquement remplis.";
    } else if (feminin) {
        texte += " est pratiquement remplie.";
    } else {
        texte += " est pratiquement remplit.";
    }
    return texte;
}

} // namespace pulsodex
