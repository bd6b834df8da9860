#include "ui/app/OuvertureConfiguration.h"

#include <QColorDialog>
#include <QFontDatabase>

#include "core/config/PolicesWindows.h"
#include "core/config/TConfig.h"
#include "core/config/dialog/TOptionsForm.h"
#include "core/interfaces/InfosSysteme.h"
#include "core/probes/CarteLecteurs.h"
#include "core/probes/Disques.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/aide/Aide.h"
#include "ui/app/ServicesFenetre.h"
#include "ui/config/TOptionsFormQt.h"

namespace pulsodex {

namespace {
std::vector<std::string> MontagesSansLettre(SondeDisques& disques) {
    std::vector<std::string> points;
    for (const Montage& m : disques.MontagesAChoisir()) {
        points.push_back(m.Point);
    }
    return points;
}

std::vector<std::string> PolicesDuSysteme() {
    std::vector<std::string> installees;
    for (const QString& famille : QFontDatabase::families()) {
        installees.push_back(S(famille));
    }
    return PolicesProposees(std::move(installees));
}
} // namespace

void OuvrirConfiguration(const OuvertureConfiguration& o) {
    ServicesFenetre& s = o.Services;
    QWidget* parent = o.Parent;
    TOptionsForm etat(
        ServicesOptions{o.Config, s.Boites, s.Locale, PolicesDuSysteme(), s.Infos.Windows2000(), o.Lecteurs,
                        s.Disques.Carte(),
                        [parent](std::int32_t couleur) -> std::optional<std::int32_t> {
                            const QColor choisie = QColorDialog::getColor(CouleurQt(couleur), parent);
                            if (!choisie.isValid()) {
                                return std::nullopt;
                            }
                            return choisie.red() | (choisie.green() << 8) | (choisie.blue() << 16);
                        },
                        [](int sujet) { AfficherAide(sujet); }, MontagesSansLettre(s.Disques)});
    TOptionsFormQt dialogue(etat, [&s, &o, &etat] {
        EcrireLecteurs(s.Reg, etat.Carte());
        return o.Config.Enregistrer(TConfig::AvisEchec::Toujours);
    });
    if (o.Observateur) {
        o.Observateur(dialogue);
    }
    o.AvantOuverture();
    if (dialogue.exec() == QDialog::Accepted) {
        // La carte des lettres suit les réglages appliqués ; elle est gardée
        // tout de suite : une liste enregistrée plus tard (fermeture, autre
        // résolution) ne doit jamais nommer une lettre inconnue.
        s.Disques.ChangerCarte(etat.Carte());
        if (!dialogue.Sauvee()) { // « Sauver » l'a déjà écrite
            EcrireLecteurs(s.Reg, etat.Carte());
        }
    }
}

} // namespace pulsodex
