#pragma once
// Identification des processeurs : l'objet racine TCpuInfo, créé une fois au
// démarrage, donne pour chaque numéro de processeur un TProcessorInformation
// dont la partie Name rend le nom lisible.
#include <cstdint>
#include <memory>
#include <string>

#include "core/plateforme/SourceProcesseur.h"
#include "core/probes/IdentificationProcesseur.h"

namespace pulsodex {

class TProcessorName {
public:
    TProcessorName(const SourceProcesseur& source, std::uint8_t processeur);
    // Le nom du processeur, jamais vide.
    [[nodiscard]] std::string Nom() const;

private:
    const SourceProcesseur& m_source;
    std::uint8_t m_processeur;
    ReponsesCpuid m_reponses;
};

class TProcessorInformation {
public:
    TProcessorInformation(const SourceProcesseur& source, std::uint8_t processeur);
    [[nodiscard]] std::shared_ptr<TProcessorName> Name() const;

private:
    const SourceProcesseur& m_source;
    std::uint8_t m_processeur;
};

class TCpuInfo {
public:
    explicit TCpuInfo(const SourceProcesseur& source) : m_source(source) {}
    // Un nouvel objet à chaque demande ; rien n'est gardé entre deux.
    [[nodiscard]] std::shared_ptr<TProcessorInformation> Processeur(std::uint8_t index) const;

private:
    const SourceProcesseur& m_source;
};

} // namespace pulsodex
