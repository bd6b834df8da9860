#include "core/probes/TCpuInfo.h"

namespace pulsodex {

TProcessorName::TProcessorName(const SourceProcesseur& source, std::uint8_t processeur)
    : m_source(source), m_processeur(processeur), m_reponses(source.Reponses(processeur)) {}

std::string TProcessorName::Nom() const {
    std::string nom = m_reponses.Disponible ? NomProcesseur(m_reponses) : m_source.NomSysteme(m_processeur);
    return nom.empty() ? "Processeur inconnu" : nom;
}

TProcessorInformation::TProcessorInformation(const SourceProcesseur& source, std::uint8_t processeur)
    : m_source(source), m_processeur(processeur) {}

std::shared_ptr<TProcessorName> TProcessorInformation::Name() const {
    return std::make_shared<TProcessorName>(m_source, m_processeur);
}

std::shared_ptr<TProcessorInformation> TCpuInfo::Processeur(std::uint8_t index) const {
    return std::make_shared<TProcessorInformation>(m_source, index);
}

} // namespace pulsodex
