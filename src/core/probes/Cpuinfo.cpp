#include "core/probes/Cpuinfo.h"

#include <array>
#include <utility>
#include <vector>

namespace pulsodex {

namespace {

using Champ = std::pair<std::string_view, std::string_view>;
using Bloc = std::vector<Champ>;

constexpr std::array<std::string_view, 5> ClesNom{"model name", "cpu model", "Processor", "cpu", "uarch"};

std::string_view Epure(std::string_view texte) {
    const auto debut = texte.find_first_not_of(" \t\r");
    if (debut == std::string_view::npos) {
        return {};
    }
    const auto fin = texte.find_last_not_of(" \t\r");
    return texte.substr(debut, fin - debut + 1);
}

// Les blocs « clé : valeur » séparés par des lignes vides.
std::vector<Bloc> Blocs(std::string_view texte) {
    std::vector<Bloc> blocs(1);
    while (!texte.empty()) {
        const auto finLigne = texte.find('\n');
        const std::string_view ligne = texte.substr(0, finLigne);
        texte.remove_prefix(finLigne == std::string_view::npos ? texte.size() : finLigne + 1);
        const auto deuxPoints = ligne.find(':');
        if (Epure(ligne).empty()) {
            if (!blocs.back().empty()) {
                blocs.emplace_back();
            }
        } else if (deuxPoints != std::string_view::npos) {
            blocs.back().emplace_back(Epure(ligne.substr(0, deuxPoints)),
                                      Epure(ligne.substr(deuxPoints + 1)));
        }
    }
    return blocs;
}

std::string_view Chercher(const std::vector<const Bloc*>& blocs) {
    for (const std::string_view cle : ClesNom) {
        for (const Bloc* bloc : blocs) {
            for (const auto& [nom, valeur] : *bloc) {
                if (nom == cle && !valeur.empty()) {
                    return valeur;
                }
            }
        }
    }
    return {};
}

} // namespace

std::string NomDansCpuinfo(std::string_view texte, std::size_t processeur) {
    const std::vector<Bloc> blocs = Blocs(texte);
    std::vector<const Bloc*> tous;
    std::vector<const Bloc*> processeurs;
    for (const Bloc& bloc : blocs) {
        tous.push_back(&bloc);
        for (const auto& champ : bloc) {
            if (champ.first == "processor") {
                processeurs.push_back(&bloc);
                break;
            }
        }
    }
    if (processeur < processeurs.size()) {
        const std::string_view nom = Chercher({processeurs[processeur]});
        if (!nom.empty()) {
            return std::string(nom);
        }
    }
    return std::string(Chercher(tous));
}

} // namespace pulsodex
