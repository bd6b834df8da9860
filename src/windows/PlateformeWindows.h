#pragma once
// La plateforme Windows : le registre, les relevés de Win32, les lecteurs et
// leurs lettres, ShellExecuteEx, les clés « Run ».
#include "core/plateforme/Plateforme.h"
#include "windows/DemarrageRun.h"
#include "windows/DisquesWindows.h"
#include "windows/LanceurWindows.h"
#include "windows/LocaleWindows.h"
#include "windows/Releves.h"

namespace pulsodex {

// L'identité des processeurs : CPUID, et le nom que le registre donne à chacun
// (HKEY_LOCAL_MACHINE\HARDWARE\DESCRIPTION\System\CentralProcessor\<n>).
class SourceProcesseurWindows final : public SourceProcesseur {
public:
    [[nodiscard]] ReponsesCpuid Reponses(std::uint8_t processeur) const override;
    [[nodiscard]] std::string NomSysteme(std::uint8_t processeur) const override;
};

class PlateformeWindows final : public Plateforme {
public:
    SourceMemoire& Memoire() override { return m_memoire; }
    SourceCpu& Processeur() override { return m_processeur; }
    [[nodiscard]] const SourceProcesseur& IdentiteProcesseurs() const override { return m_identite; }

    // Les lettres du système ; la section « Lecteurs » des réglages n'y sert pas.
    CarteLecteurs Lecteurs(Registre& /*reglages*/) override { return LecteursDuSysteme(); }
    SourceMontages& Montages() override { return m_montages; }
    [[nodiscard]] const InfosBlocs& Blocs() const override { return m_blocs; }
    std::shared_ptr<SondeEspace> Espace() override { return m_espace; }
    Deconnecteur& Deconnexions() override { return m_deconnexion; }

    Lanceur& Lancement() override { return m_lanceur; }
    ListeDemarrage& Demarrages() override { return m_demarrages; }

    [[nodiscard]] const LocaleUtilisateur& Locale() const override { return m_locale; }
    [[nodiscard]] const Horloge& Montre() const override { return m_horloge; }
    [[nodiscard]] std::string WinVer() const override;

    std::unique_ptr<Registre> OuvrirReglages() override;

    [[nodiscard]] std::filesystem::path CheminExecutable() const override;
    [[nodiscard]] std::string RepertoireProgramme() const override;
    // « HKEY_CURRENT_USER\Software\Pulsodex ».
    [[nodiscard]] std::filesystem::path FichierReglages() const override;
    [[nodiscard]] std::string DossierExecution() const override;

    // Windows a toujours un écran : le greffon que Qt choisit.
    [[nodiscard]] std::string GreffonAffichage(bool /*capture*/) const override { return {}; }

    // Aucune demande d'arrêt à surveiller hors de la boucle des fenêtres.
    std::intptr_t SurveillerArret() override { return -1; }
    void AcquitterArret() override {}

private:
    MemoireWindows m_memoire;
    ProcesseurWindows m_processeur;
    SourceProcesseurWindows m_identite;
    MontagesWindows m_montages;
    BlocsWindows m_blocs;
    std::shared_ptr<SondeEspaceWindows> m_espace = std::make_shared<SondeEspaceWindows>();
    DeconnexionWindows m_deconnexion;
    LanceurWindows m_lanceur;
    DemarrageRun m_demarrages;
    LocaleWindows m_locale;
    HorlogeWindows m_horloge;
};

} // namespace pulsodex
