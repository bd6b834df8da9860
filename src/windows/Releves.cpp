#include "windows/Releves.h"

#include <windows.h>

#include <array>
#include <cstdint>

namespace pulsodex {

namespace {

std::uint64_t Centaines(const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32U) | t.dwLowDateTime;
}

// Les temps d'un processeur, tels que les rend NtQuerySystemInformation.
struct TempsProcesseur {
    LARGE_INTEGER Inactif;
    LARGE_INTEGER Noyau;
    LARGE_INTEGER Utilisateur;
    std::array<LARGE_INTEGER, 2> Reserve1;
    ULONG Reserve2;
};
constexpr int SystemProcessorPerformanceInformation = 8;
using NtQuerySystemInformationFn = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);

// Une fonction de ntdll, que les en-têtes de mingw ne déclarent pas toutes.
template <typename Fonction>
Fonction DeNtdll(const char* nom) {
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr
               ? reinterpret_cast<Fonction>(reinterpret_cast<void*>(::GetProcAddress(ntdll, nom)))
               : nullptr;
}

} // namespace

StatutMemoire MemoireWindows::Lire() {
    MEMORYSTATUSEX etat{};
    etat.dwLength = sizeof etat;
    if (::GlobalMemoryStatusEx(&etat) != 0) {
        m_dernier = StatutMemoire{
            static_cast<std::int64_t>(etat.ullTotalPhys), static_cast<std::int64_t>(etat.ullAvailPhys),
            static_cast<std::int64_t>(etat.ullTotalPageFile),
            static_cast<std::int64_t>(etat.ullAvailPageFile), static_cast<std::uint8_t>(etat.dwMemoryLoad)};
    }
    return m_dernier;
}

bool ProcesseurWindows::Lire(std::vector<CompteursCpu>& instances) {
    static const auto requete = DeNtdll<NtQuerySystemInformationFn>("NtQuerySystemInformation");
    // 64 processeurs au plus par groupe : la taille d'un relevé est fixe.
    std::array<TempsProcesseur, 64> temps{};
    ULONG rendu = 0;
    if (requete == nullptr || requete(SystemProcessorPerformanceInformation, temps.data(),
                                      static_cast<ULONG>(sizeof temps), &rendu) != 0) {
        return false;
    }
    FILETIME inactif{};
    FILETIME noyau{};
    FILETIME utilisateur{};
    if (::GetSystemTimes(&inactif, &noyau, &utilisateur) == 0) {
        return false;
    }
    instances.clear();
    for (std::size_t i = 0; i < rendu / sizeof(TempsProcesseur); ++i) {
        const TempsProcesseur& t = temps[i];
        instances.push_back({static_cast<std::uint64_t>(t.Noyau.QuadPart + t.Utilisateur.QuadPart),
                             static_cast<std::uint64_t>(t.Inactif.QuadPart)});
    }
    instances.push_back({Centaines(noyau) + Centaines(utilisateur), Centaines(inactif)});
    return true;
}

DateHeure HorlogeWindows::Maintenant() const {
    SYSTEMTIME t{};
    ::GetLocalTime(&t);
    // wDayOfWeek : 0 dimanche .. 6 samedi.
    return {t.wYear, t.wMonth, t.wDay, t.wDayOfWeek + 1, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

VersionWindows LireVersionWindows() {
    static const auto version = DeNtdll<RtlGetVersionFn>("RtlGetVersion");
    OSVERSIONINFOEXW v{};
    v.dwOSVersionInfoSize = sizeof v;
    VersionWindows rendue;
    if (version == nullptr || version(&v) != 0) {
        return rendue;
    }
    rendue.GetVersion = v.dwMajorVersion | (v.dwMinorVersion << 8U);
    rendue.VersionExOk = true;
    rendue.Majeure = v.dwMajorVersion;
    rendue.Mineure = v.dwMinorVersion;
    rendue.Build = v.dwBuildNumber;
    rendue.Plateforme = v.dwPlatformId;
    for (const wchar_t c : v.szCSDVersion) {
        if (c == L'\0') {
            break;
        }
        rendue.ServicePack += static_cast<char>(c < 128 ? c : L'?');
    }
    return rendue;
}

} // namespace pulsodex
