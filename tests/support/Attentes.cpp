#include "Attentes.h"

#include <filesystem>
#include <thread>

#ifdef _WIN32
#include <windows.h>
// Après windows.h.
#include <tlhelp32.h>
#endif

namespace pulsodex::test {

namespace {

[[maybe_unused]] std::size_t Entrees(const char* dossier) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entree : std::filesystem::directory_iterator(dossier)) {
        ++n;
    }
    return n;
}

} // namespace

bool AttendreQue(const std::function<bool()>& condition, std::chrono::steady_clock::time_point limite,
                 const std::function<void()>& entreDeux) {
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= limite) {
            return false;
        }
        if (entreDeux) {
            entreDeux();
        } else {
            std::this_thread::sleep_for(1ms);
        }
    }
    return true;
}

bool AttendreQue(const std::function<bool()>& condition, std::chrono::milliseconds delai,
                 const std::function<void()>& entreDeux) {
    return AttendreQue(condition, std::chrono::steady_clock::now() + delai, entreDeux);
}

#ifdef _WIN32
// Sous Windows (et wine, dont /proc montre les descripteurs internes) : les
// poignées et les fils du processus, comptés par Windows.
std::size_t DescripteursOuverts() {
    DWORD n = 0;
    ::GetProcessHandleCount(::GetCurrentProcess(), &n);
    return n;
}

bool DescripteursComptables() {
    return DescripteursOuverts() > 0;
}

std::size_t FilsDuProcessus() {
    HANDLE instantane = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (instantane == INVALID_HANDLE_VALUE) {
        return 0;
    }
    std::size_t n = 0;
    THREADENTRY32 fil{};
    fil.dwSize = sizeof fil;
    for (BOOL suite = ::Thread32First(instantane, &fil); suite != FALSE;
         suite = ::Thread32Next(instantane, &fil)) {
        n += fil.th32OwnerProcessID == ::GetCurrentProcessId() ? 1 : 0;
    }
    ::CloseHandle(instantane);
    return n;
}
#else
std::size_t DescripteursOuverts() {
    return Entrees("/proc/self/fd");
}

bool DescripteursComptables() {
    return true;
}

std::size_t FilsDuProcessus() {
    return Entrees("/proc/self/task");
}
#endif

} // namespace pulsodex::test
