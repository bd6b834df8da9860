#pragma once
// La plateforme Linux : /proc et /sys, statvfs, umount, fichiers autostart
// XDG, posix_spawn, la locale du système, le fichier des réglages sous verrou.
#include "core/plateforme/Plateforme.h"
#include "core/probes/Deconnexion.h"
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

    CarteLecteurs Lecteurs(Registre& reglages) override;
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
    [[nodiscard]] std::filesystem::path FichierReglages() const override;
    [[nodiscard]] std::string DossierExecution() const override;

    [[nodiscard]] std::string GreffonAffichage(bool capture) const override;

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
    // umount ou fusermount ; des fichiers ouverts sous le point se lisent dans /proc.
    Deconnexion m_deconnexion{m_executeur, m_montages, [](std::string_view point) {
                                  return FichiersOuvertsSous("/proc", point);
                              }};
    LanceurLinux m_lanceur;
    AutostartXdg m_demarrages = AutostartXdg::DuSysteme();
    LocaleLinux m_locale;
    HorlogeLinux m_horloge;
    // Le fichier des réglages, ouvert par OuvrirReglages, et le temps de son verrou.
    TempsVerrouSysteme m_tempsVerrou;
    std::unique_ptr<StockageFichier> m_stockage;
};

} // namespace pulsodex
