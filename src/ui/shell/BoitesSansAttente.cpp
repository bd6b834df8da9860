#include "ui/shell/BoitesSansAttente.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace pulsodex {

namespace {
// Les boîtes ouvertes, sur le fil de l'interface.
std::vector<QPointer<QDialog>>& Ouvertes() {
    static std::vector<QPointer<QDialog>> ouvertes;
    std::erase_if(ouvertes, [](const QPointer<QDialog>& b) { return b.isNull(); });
    return ouvertes;
}
} // namespace

void MontrerSansAttendre(QDialog* boite, std::function<void(int)> fin) {
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->setWindowModality(Qt::ApplicationModal);
    QObject::connect(boite, &QDialog::finished, boite, [boite, fin = std::move(fin)](int resultat) {
        // Retirée avant la suite : la suite peut ouvrir une autre boîte.
        std::erase(Ouvertes(), boite);
        if (fin) {
            fin(resultat);
        }
    });
    Ouvertes().emplace_back(boite);
    boite->show();
    boite->raise();
    boite->activateWindow();
}

void FermerBoitesOuvertes() {
    const std::vector<QPointer<QDialog>> ouvertes = std::exchange(Ouvertes(), {});
    for (const QPointer<QDialog>& boite : ouvertes) {
        if (boite) {
            boite->disconnect();
            delete boite.data();
        }
    }
}

int NombreBoitesOuvertes() {
    return static_cast<int>(Ouvertes().size());
}

} // namespace pulsodex
