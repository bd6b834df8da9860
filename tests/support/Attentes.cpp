#include "Attentes.h"

#include <filesystem>
#include <thread>

namespace pulsodex::test {

namespace {

std::size_t Entrees(const char* dossier) {
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

std::size_t DescripteursOuverts() {
    return Entrees("/proc/self/fd");
}

std::size_t FilsDuProcessus() {
    return Entrees("/proc/self/task");
}

} // namespace pulsodex::test
