#pragma once
// Nom lisible du système d'exploitation.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pulsodex {

// Réponses des deux questions de version de Windows.
struct VersionWindows {
    std::uint32_t GetVersion = 0; // octet bas : majeure, second octet : mineure
    bool VersionExOk = false;
    std::uint32_t Majeure = 0;
    std::uint32_t Mineure = 0;
    std::uint32_t Build = 0;
    std::uint32_t Plateforme = 0; // 0 Win32s, 1 famille 95, 2 famille NT
    std::string ServicePack;
};

// Le nom que donne le programme sous Windows, « Windows XP Service Pack 2 (Build 2600) ».
std::string WinVerWindows(const VersionWindows& v);
// Vrai seulement pour Windows 2000 et après, de la famille NT.
bool Windows2000Windows(const VersionWindows& v);

// Sous Linux : nom de la distribution, version du noyau et son numéro de
// compilation, « Debian GNU/Linux 12 6.1.0-18-amd64 (Build 1) ».
struct VersionLinux {
    std::string Distribution; // NAME et VERSION_ID de os-release, ou le nom du noyau
    std::string Noyau;        // uname -r
    std::string Compilation;  // uname -v
};

std::string WinVerLinux(const VersionLinux& v);
// NAME + " " + VERSION_ID (ou PRETTY_NAME) d'un fichier os-release.
std::optional<std::string> NomDistribution(std::string_view osRelease);

} // namespace pulsodex
