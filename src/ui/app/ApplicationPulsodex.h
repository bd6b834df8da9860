#pragma once
// L'application : toute exception qui s'échappe d'un gestionnaire
// d'événement va au traitement des erreurs installé par la fenêtre.
#include <QApplication>

#include <functional>
#include <string>

namespace pulsodex {

class Plateforme;

class ApplicationPulsodex : public QApplication {
    Q_OBJECT
public:
    ApplicationPulsodex(int& argc, char** argv);

    bool notify(QObject* destinataire, QEvent* evenement) override;

    std::function<void(const std::string&)> TraiteErreur;

    // Un arrêt demandé par le système (SIGTERM, SIGINT) ferme par le chemin
    // normal (appel de fermer).
    void InstallerSignauxArret(Plateforme& plateforme, std::function<void()> fermer);

private:
    void Signale();
    std::function<void()> m_fermer;
    Plateforme* m_plateforme = nullptr;
};

} // namespace pulsodex
