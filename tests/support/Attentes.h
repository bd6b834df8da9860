#pragma once
// Attentes bornées sur une condition, et l'état du processus d'essai vu par
// le noyau.
#include <chrono>
#include <cstddef>
#include <functional>

namespace pulsodex::test {

using namespace std::chrono_literals;

// Répète `condition` jusqu'à ce qu'elle soit vraie ou que la limite passe ;
// faux au-delà. Entre deux essais, `entreDeux` (par défaut, une milliseconde
// de sommeil).
bool AttendreQue(const std::function<bool()>& condition, std::chrono::steady_clock::time_point limite,
                 const std::function<void()>& entreDeux = {});
bool AttendreQue(const std::function<bool()>& condition, std::chrono::milliseconds delai = 10s,
                 const std::function<void()>& entreDeux = {});

// Nombre de descripteurs ouverts et de fils du processus.
std::size_t DescripteursOuverts();
// Faux quand le système ne sait pas les compter (wine : aucune poignée comptée).
bool DescripteursComptables();
std::size_t FilsDuProcessus();

} // namespace pulsodex::test
