#include "core/config/PolicesWindows.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pulsodex {

namespace {
struct Remplacement {
    std::string_view Windows;
    std::string_view Libre;
};

// Liberation : mêmes métriques qu'Arial, Times New Roman, Courier New et
// Arial Narrow. Les polices d'interface étroites (MS Sans Serif et ses
// héritières) prennent la sans empattement étroite, seule à tenir leurs
// légendes dans la même largeur ; Verdana, large, prend DejaVu Sans.
constexpr std::array<Remplacement, 16> Remplacements = {{
    {"MS Sans Serif", "Liberation Sans Narrow"},
    {"Microsoft Sans Serif", "Liberation Sans Narrow"},
    {"MS Shell Dlg", "Liberation Sans Narrow"},
    {"MS Shell Dlg 2", "Liberation Sans Narrow"},
    {"Tahoma", "Liberation Sans Narrow"},
    {"Segoe UI", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Helvetica", "Liberation Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"MS Serif", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
    {"Lucida Console", "Liberation Mono"},
}};

bool MemeNom(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}
} // namespace

std::string_view PoliceLibreEquivalente(std::string_view nom) {
    for (const Remplacement& r : Remplacements) {
        if (MemeNom(r.Windows, nom)) {
            return r.Libre;
        }
    }
    return {};
}

std::vector<std::string> PolicesProposees(std::vector<std::string> installees) {
    auto installee = [&installees](std::string_view nom) {
        return std::any_of(installees.begin(), installees.end(),
                           [nom](const std::string& i) { return MemeNom(i, nom); });
    };
    std::vector<std::string> ajoutees;
    for (const Remplacement& r : Remplacements) {
        if (!installee(r.Windows) && installee(r.Libre)) {
            ajoutees.emplace_back(r.Windows);
        }
    }
    installees.insert(installees.end(), ajoutees.begin(), ajoutees.end());
    return installees;
}

} // namespace pulsodex
