#pragma once
// Lecture du nom du processeur dans le texte de /proc/cpuinfo.
#include <cstddef>
#include <string>
#include <string_view>

namespace pulsodex {

// Le nom du processeur n : « model name » de son bloc (ou, selon
// l'architecture, « cpu model », « Processor », « cpu », « uarch ») ; à
// défaut la première de ces lignes du texte ; vide quand il n'y en a aucune.
std::string NomDansCpuinfo(std::string_view texte, std::size_t processeur);

} // namespace pulsodex
