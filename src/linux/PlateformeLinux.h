#pragma once
// La plateforme Linux : /proc et /sys, statvfs, fichiers autostart XDG,
// posix_spawn, la locale du système, le fichier des réglages sous verrou.
#include "core/plateforme/Plateforme.h"
#include "linux/AutostartXdg.h"
#include "linux/DisquesLinux.h"
#include "linux/ExecuteurLinux.h"
#include "linux/HorlogeLinux.h"
#include "linux/IdentiteProcesseurLinux.h"
#include "linux/LanceurLinux.h"
#include "linux/LocaleLinux.h"
#include "linux/MemoireLinux.h"
#include "linux/ProcesseurLinux.h"
#include "linux/StockageFichier.h"

namespace pulsodex {

class PlateformeLinux final : public Plateforme {
public:
    PlateformeLinux();
    ~PlateformeLinux() override;
    PlateformeLinux(const PlateformeLinux&) = delete;
    PlateformeLinux& operator=(const PlateformeLinux&) = delete;

    SourceMemoire& Memoire() override { return m_memoire; }
    SourceCpu& Processeur() override { return m_processeur; }
    [[nodiscard]] const SourceProcesseur& IdentiteProcesseurs() const override { return m_identite; }

    SourceMontages& Montages() override { return m_montages; }
    [[nodiscard]] const InfosBlocs& Blocs() const override { return m_blocs; }
    std::shared_ptr<SondeEspace> Espace() override { return m_espace; }
    bool FichiersOuvertsSous(std::string_view point) override;

    Executeur& Execution() override { return m_executeur; }
    Lanceur& Lancement() override { return m_lanceur; }
    ListeDemarrage& Demarrages() override { return m_demarrages; }

    [[nodiscard]] const LocaleUtilisateur& Locale() const override { return m_locale; }
    [[nodiscard]] const Horloge& Montre() const override { return m_horloge; }
    [[nodiscard]] std::string WinVer() const override;

    std::unique_ptr<Registre> OuvrirReglages() override;

    [[nodiscard]] std::filesystem::path CheminExecutable() const override;
    [[nodiscard]] std::string RepertoireProgramme() const override;
    [[nodiscard]] std::filesystem::path FichierReglages() const override;
    [[nodiscard]] std::string DossierExecution() const override;

    std::intptr_t SurveillerArret() override;
    void AcquitterArret() override;

private:
    MemoireLinux m_memoire;
    ProcesseurLinux m_processeur;
    SourceProcesseurLinux m_identite;
    MontagesProc m_montages;
    BlocsSys m_blocs;
    std::shared_ptr<SondeEspaceStatvfs> m_espace = std::make_shared<SondeEspaceStatvfs>();
    ExecuteurLinux m_executeur;
    LanceurLinux m_lanceur;
    AutostartXdg m_demarrages = AutostartXdg::DuSysteme();
    LocaleLinux m_locale;
    HorlogeLinux m_horloge;
    // Le fichier des réglages, ouvert par OuvrirReglages, et le temps de son verrou.
    TempsVerrouSysteme m_tempsVerrou;
    std::unique_ptr<StockageFichier> m_stockage;
};

} // namespace pulsodex
