#pragma once
// Identification des processeurs : l'objet racine TCpuInfo, créé une fois au
// démarrage, donne pour chaque numéro de processeur un TProcessorInformation
// dont la partie Name rend le nom lisible.
#include <cstdint>
#include <memory>
#include <string>

#include "core/probes/IdentificationProcesseur.h"

namespace pulsodex {

// D'où viennent les réponses : l'instruction CPUID, ou ce que le système dit
// du processeur là où CPUID manque.
class SourceProcesseur {
public:
    virtual ~SourceProcesseur() = default;
    // Réponses de CPUID ; Disponible faux sans l'instruction.
    [[nodiscard]] virtual ReponsesCpuid Reponses(std::uint8_t processeur) const = 0;
    // Nom donné par le système (peut être vide).
    [[nodiscard]] virtual std::string NomSysteme(std::uint8_t processeur) const = 0;
};

// La machine qui fait tourner le programme.
class SourceProcesseurMachine final : public SourceProcesseur {
public:
    [[nodiscard]] ReponsesCpuid Reponses(std::uint8_t processeur) const override;
    [[nodiscard]] std::string NomSysteme(std::uint8_t processeur) const override;
};

// Réponses lues sur le processeur qui exécute l'appel (x86), ou aucune.
ReponsesCpuid LireReponsesCpuid();
// Nom du processeur n selon le système (Linux : /proc/cpuinfo), ou vide.
std::string LireNomProcesseurSysteme(std::uint8_t processeur);

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
