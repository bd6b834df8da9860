#include "core/probes/SystemeNoms.h"

#include <cctype>
#include <sstream>

#include "core/commun/Trace.h"

namespace pulsodex {

std::string WinVerWindows(const VersionWindows& v) {
    TraceProcedure trace("WinVer");
    const std::uint32_t majeure = v.GetVersion & 0xFFU;
    const std::uint32_t mineure = (v.GetVersion >> 8U) & 0xFFU;
    std::string texte = "Windows " + std::to_string(majeure) + "." + std::to_string(mineure);
    if (!v.VersionExOk) {
        return texte;
    }
    switch (v.Plateforme) {
    case 0:
        texte += " + Win32s";
        break;
    case 1:
        texte = v.Mineure < 10 ? "Windows 95" : v.Mineure < 90 ? "Windows 98" : "Windows Millenium";
        break;
    case 2:
        if (v.Majeure == 3) {
            texte = "Windows NT 3.51";
        } else if (v.Majeure == 4) {
            texte = "Windows NT 4.0";
        } else if (v.Majeure == 5 && v.Mineure == 0) {
            texte = "Windows 2000";
        } else if (v.Majeure == 5 && v.Mineure == 1) {
            texte = "Windows XP";
        } else if (v.Majeure == 5 && v.Mineure == 2) {
            texte = "Windows 2003 Serveur";
        }
        break;
    default:
        break;
    }
    // Le texte du service pack s'arrête à son premier caractère nul.
    const std::string service = v.ServicePack.substr(0, v.ServicePack.find('\0'));
    texte += " " + service + " (Build " + std::to_string(v.Build & 0xFFFFU) + ")";
    return texte;
}

bool Windows2000Windows(const VersionWindows& v) {
    return v.VersionExOk && v.Plateforme == 2 && v.Majeure >= 5;
}

std::string WinVerLinux(const VersionLinux& v) {
    // Numéro de compilation : le « #N » en tête de uname -v.
    std::string numero = "0";
    const std::string& c = v.Compilation;
    if (!c.empty() && c.front() == '#') {
        std::size_t fin = 1;
        while (fin < c.size() && std::isdigit(static_cast<unsigned char>(c[fin])) != 0) {
            ++fin;
        }
        if (fin > 1) {
            numero = c.substr(1, fin - 1);
        }
    }
    return v.Distribution + " " + v.Noyau + " (Build " + numero + ")";
}

std::optional<std::string> NomDistribution(std::string_view osRelease) {
    std::istringstream lignes{std::string(osRelease)};
    std::string ligne;
    std::string nom;
    std::string version;
    std::string joli;
    auto valeur = [](std::string_view texte) {
        if (texte.size() >= 2 && (texte.front() == '"' || texte.front() == '\'') &&
            texte.back() == texte.front()) {
            texte = texte.substr(1, texte.size() - 2);
        }
        std::string resultat;
        for (std::size_t i = 0; i < texte.size(); ++i) {
            if (texte[i] == '\\' && i + 1 < texte.size()) {
                ++i;
            }
            resultat += texte[i];
        }
        return resultat;
    };
    while (std::getline(lignes, ligne)) {
        if (ligne.starts_with("NAME=")) {
            nom = valeur(std::string_view(ligne).substr(5));
        } else if (ligne.starts_with("VERSION_ID=")) {
            version = valeur(std::string_view(ligne).substr(11));
        } else if (ligne.starts_with("PRETTY_NAME=")) {
            joli = valeur(std::string_view(ligne).substr(12));
        }
    }
    if (!nom.empty()) {
        return version.empty() ? nom : nom + " " + version;
    }
    if (!joli.empty()) {
        return joli;
    }
    return std::nullopt;
}

} // namespace pulsodex
