#pragma once
// Version du système lue sur Linux : uname et os-release.
#include <string>

#include "core/probes/SystemeNoms.h"

namespace pulsodex {

// Le système qui fait tourner le programme.
VersionLinux LireVersionLinux();
// Son nom sous la forme de Windows (« Debian GNU/Linux 12 6.1.0-18-amd64 (Build 1) »).
std::string WinVer();

} // namespace pulsodex
