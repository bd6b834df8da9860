#pragma once
// Une plateforme faite des doublures : aucun fichier, programme ni matériel
// réel. Chaque doublure reste accessible pour préparer ou vérifier un essai.
#include <memory>

#include "CpuidEssai.h"
#include "Factices.h"
#include "FacticesDisques.h"
#include "core/plateforme/Plateforme.h"
#include "core/probes/Deconnexion.h"

namespace pulsodex::test {

class PlateformeFactice : public Plateforme {
public:
    PlateformeFactice();

    SourceMemoire& Memoire() override { return MemoireEssai; }
    SourceCpu& Processeur() override { return ProcesseurEssai; }
    [[nodiscard]] const SourceProcesseur& IdentiteProcesseurs() const override { return Identite; }

    // Les lettres comme sous Linux : la section « Lecteurs », ou C = / écrit au premier lancement.
    CarteLecteurs Lecteurs(Registre& reglages) override;
    SourceMontages& Montages() override { return MontagesEssai; }
    [[nodiscard]] const InfosBlocs& Blocs() const override { return BlocsEssai; }
    std::shared_ptr<SondeEspace> Espace() override { return Sonde; }
    // Le démontage de Linux, sur ExecuteurEssai ; FichiersOuverts dit s'il y en a sous le point.
    Deconnecteur& Deconnexions() override { return DeconnexionEssai; }

    Lanceur& Lancement() override { return LanceurEssai; }
    ListeDemarrage& Demarrages() override { return DemarragesEssai; }

    [[nodiscard]] const LocaleUtilisateur& Locale() const override { return LocaleEssai; }
    [[nodiscard]] const Horloge& Montre() const override { return HorlogeEssai; }
    [[nodiscard]] std::string WinVer() const override { return InfosSystemeFactices{}.WinVer(); }

    // Les réglages de l'essai : StockageReglages en mémoire, lu à chaque ouverture.
    std::unique_ptr<Registre> OuvrirReglages() override;

    [[nodiscard]] std::filesystem::path CheminExecutable() const override { return "/opt/pulsodex/pulsodex"; }
    [[nodiscard]] std::string RepertoireProgramme() const override { return Repertoire; }
    [[nodiscard]] std::filesystem::path FichierReglages() const override { return StockageEssai.Chemin(); }
    [[nodiscard]] std::string DossierExecution() const override { return {}; }

    [[nodiscard]] std::string GreffonAffichage(bool /*capture*/) const override { return {}; }

    // Aucun signal dans un essai.
    std::intptr_t SurveillerArret() override { return -1; }
    void AcquitterArret() override {}

    SourceMemoireFactice MemoireEssai;
    SourceCpuFactice ProcesseurEssai;
    SourceFixe Identite;
    // Un seul montage, / en ext4 sur un disque fixe, dont l'espace est celui de Sonde.
    SourceMontagesFixe MontagesEssai{"22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"};
    InfosBlocsFactice BlocsEssai;
    std::shared_ptr<SondeEspaceFactice> Sonde = std::make_shared<SondeEspaceFactice>();
    bool FichiersOuverts = false;
    ExecuteurFactice ExecuteurEssai;
    Deconnexion DeconnexionEssai{ExecuteurEssai, MontagesEssai, [this](std::string_view) {
                                     return FichiersOuverts;
                                 }};
    LanceurFactice LanceurEssai;
    ListeDemarrageMemoire DemarragesEssai;
    LocaleFrancaise LocaleEssai;
    HorlogeFactice HorlogeEssai;
    StockageMemoire StockageEssai;
    std::string Repertoire = "/essai/";
};

} // namespace pulsodex::test
