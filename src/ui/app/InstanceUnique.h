#pragma once
// Un seul Pulsodex par fichier de réglages. Le premier lancement tient un
// verrou et écoute sur une prise locale propres à l'utilisateur et à ce
// fichier ; un second lancement demande au premier de se montrer, puis
// s'arrête. Un premier arrêté brutalement ne bloque pas le suivant.
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace pulsodex {

class InstanceUnique : public QObject {
    Q_OBJECT
public:
    enum class Issue {
        Premiere,        // ce lancement est le seul : il tourne
        MontreeAilleurs, // le premier s'est montré : celui-ci s'arrête
        Muette,          // le premier tient le verrou mais ne répond pas
    };

    // dossier : où poser le verrou et la prise (le dossier d'exécution de
    // l'utilisateur que donne la plateforme) ; vide : aucun.
    InstanceUnique(const QString& fichierReglages, const QString& dossier);
    ~InstanceUnique() override;

    // Prend la place ou la demande au premier. Les échecs sont dits en
    // français dans Message() ; sans verrou possible, le programme tourne.
    Issue Demarrer();
    [[nodiscard]] const QString& Message() const { return m_message; }

    // Appelé pour chaque second lancement qui demande à voir la barre.
    std::function<void()> Montrer;

private:
    bool DemanderAuPremier();
    void Repondre(QLocalSocket* client);

    QString m_fichier;
    bool m_dossierConnu;
    QString m_prise;
    QLockFile m_verrou;
    std::unique_ptr<QLocalServer> m_serveur;
    QString m_message;
};

} // namespace pulsodex
