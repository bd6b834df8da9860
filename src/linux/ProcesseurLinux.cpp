#include "linux/ProcesseurLinux.h"

namespace pulsodex {

ProcesseurLinux::ProcesseurLinux(const std::string& racineProc) : m_fichier(racineProc + "/stat") {}

namespace {
// Le bloc des lignes « cpu » est-il lu en entier (une autre ligne le suit) ?
bool BlocCpuComplet(std::string_view texte) {
    std::size_t debut = 0;
    while (texte.size() - debut >= 3) {
        if (texte.substr(debut, 3) != "cpu") {
            return true;
        }
        const std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos) {
            return false;
        }
        debut = fin + 1;
    }
    return false;
}
} // namespace

bool ProcesseurLinux::Lire(std::vector<CompteursCpu>& instances) {
    // Les lignes « cpu » tiennent en tête du fichier : la ligne « intr », très
    // longue, n'a pas à être lue. On lit plus loin si elles débordent.
    for (std::size_t limite = 8192;; limite *= 2) {
        const std::string_view texte = m_fichier.Relire(limite);
        if (texte.size() < limite || BlocCpuComplet(texte)) {
            return !texte.empty() && LireStat(texte, instances);
        }
    }
}

} // namespace pulsodex
