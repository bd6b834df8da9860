#pragma once
// L'application : toute exception qui s'échappe d'un gestionnaire
// d'événement va au traitement des erreurs installé par la fenêtre.
#include <QApplication>

#include <functional>
#include <string>

namespace pulsodex {

class ApplicationPulsodex : public QApplication {
    Q_OBJECT
public:
    ApplicationPulsodex(int& argc, char** argv);

    bool notify(QObject* destinataire, QEvent* evenement) override;

    std::function<void(const std::string&)> TraiteErreur;

    // SIGTERM et SIGINT ferment par le chemin normal (appel de Fermer).
    void InstallerSignauxArret(std::function<void()> fermer);

private:
    void Signale();
    std::function<void()> m_fermer;
};

} // namespace pulsodex
