// /proc/stat : deux textes lus à la suite par l'échantillonneur donnent des
// charges entre 0 et 100 %.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "Verifier.h"
#include "core/probes/Processeur.h"

namespace {
// Rend les deux moitiés de l'entrée, l'une après l'autre.
class SourceTextes : public pulsodex::SourceCpu {
public:
    SourceTextes(std::string_view premier, std::string_view second) : m_textes{premier, second} {}
    bool Lire(std::vector<pulsodex::CompteursCpu>& instances) override {
        const std::string_view texte = m_textes[m_lectures % 2];
        ++m_lectures;
        return pulsodex::LireStat(texte, instances);
    }

private:
    std::string_view m_textes[2];
    std::size_t m_lectures = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    // Le premier zéro sépare les deux relevés.
    const std::size_t zero = texte.find('\0');
    const std::string_view premier = texte.substr(0, zero);
    const std::string_view second = zero == std::string_view::npos ? texte : texte.substr(zero + 1);

    std::vector<pulsodex::CompteursCpu> instances;
    if (pulsodex::LireStat(premier, instances)) {
        VERIFIER(!instances.empty());
    } else {
        VERIFIER(instances.empty());
    }

    SourceTextes source(premier, second);
    pulsodex::EchantillonneurCpu echantillonneur(source);
    for (int tour = 0; tour < 3; ++tour) {
        const int charge = echantillonneur.GetCpuLoad();
        VERIFIER(charge >= 0 && charge <= 100);
        const int n = echantillonneur.CpuInstanceCount();
        for (int i = 0; i < n; ++i) {
            const double occupation = echantillonneur.CpuInstanceUsage(i);
            VERIFIER(occupation >= 0.0 && occupation <= 1.0);
        }
    }
    return 0;
}
