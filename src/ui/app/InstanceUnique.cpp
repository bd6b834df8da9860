#include "ui/app/InstanceUnique.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

namespace pulsodex {

namespace {

const QByteArray Demande = "MONTRER\n";
const QByteArray Reponse = "OK\n";
// Le premier peut encore être en train de démarrer : il a quelques secondes.
constexpr int AttenteReponseMs = 5000;

// Le même fichier, quel que soit le chemin qui y mène (dossier lié, chemin relatif).
QString CheminCanonique(const QString& fichier) {
    const QFileInfo info(fichier);
    const QString dossier = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (dossier.isEmpty() ? info.absolutePath() : dossier) + QLatin1Char('/') + info.fileName();
}

QString Base(const QString& dossier, const QString& fichier) {
    const QByteArray empreinte =
        QCryptographicHash::hash(CheminCanonique(fichier).toUtf8(), QCryptographicHash::Sha256).toHex();
    return dossier + QStringLiteral("/pulsodex-") + QString::fromLatin1(empreinte.left(16));
}

} // namespace

InstanceUnique::InstanceUnique(const QString& fichierReglages, const QString& dossier)
    : m_fichier(fichierReglages), m_dossierConnu(!dossier.isEmpty()),
      m_prise(Base(dossier, fichierReglages) + QStringLiteral(".prise")),
      m_verrou(Base(dossier, fichierReglages) + QStringLiteral(".verrou")) {
    // Jamais périmé par son âge : seulement quand son processus a disparu.
    m_verrou.setStaleLockTime(0);
}

InstanceUnique::~InstanceUnique() = default;

InstanceUnique::Issue InstanceUnique::Demarrer() {
    if (!m_dossierConnu) {
        m_message = QStringLiteral("pulsodex : pas de dossier à soi pour vérifier qu'aucun autre Pulsodex "
                                   "ne tourne pour « %1 » ; il démarre quand même.")
                        .arg(m_fichier);
        return Issue::Premiere;
    }
    if (m_verrou.tryLock(0)) {
        // Une prise laissée par un premier arrêté brutalement.
        QLocalServer::removeServer(m_prise);
        m_serveur = std::make_unique<QLocalServer>();
        m_serveur->setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_serveur->listen(m_prise)) {
            m_message = QStringLiteral("pulsodex : un second lancement pour ces réglages ne pourra pas "
                                       "faire revenir celui-ci (prise « %1 » : %2).")
                            .arg(m_prise, m_serveur->errorString());
            m_serveur.reset();
            return Issue::Premiere;
        }
        connect(m_serveur.get(), &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* client = m_serveur->nextPendingConnection()) {
                Repondre(client);
            }
        });
        return Issue::Premiere;
    }
    if (m_verrou.error() != QLockFile::LockFailedError) {
        m_message = QStringLiteral("pulsodex : impossible de vérifier qu'aucun autre Pulsodex ne tourne "
                                   "pour « %1 » (verrou « %2 ») ; il démarre quand même.")
                        .arg(m_fichier, m_verrou.fileName());
        return Issue::Premiere;
    }
    if (DemanderAuPremier()) {
        return Issue::MontreeAilleurs;
    }
    qint64 pid = 0;
    QString hote;
    QString application;
    m_verrou.getLockInfo(&pid, &hote, &application);
    m_message = QStringLiteral("Pulsodex tourne déjà pour les réglages « %1 » (processus %2), mais ne "
                               "répond pas. Fermez-le avant d'en lancer un autre.")
                    .arg(m_fichier)
                    .arg(pid);
    return Issue::Muette;
}

bool InstanceUnique::DemanderAuPremier() {
    // Le premier a pris le verrou juste avant d'écouter : on réessaie, borné.
    const QDeadlineTimer fin(AttenteReponseMs);
    while (!fin.hasExpired()) {
        QLocalSocket prise;
        prise.connectToServer(m_prise);
        if (prise.waitForConnected(static_cast<int>(fin.remainingTime()))) {
            prise.write(Demande);
            QByteArray recu;
            while (!recu.contains('\n') && !fin.hasExpired() &&
                   prise.waitForReadyRead(static_cast<int>(fin.remainingTime()))) {
                recu += prise.readAll();
            }
            return recu == Reponse;
        }
        QThread::msleep(50);
    }
    return false;
}

void InstanceUnique::Repondre(QLocalSocket* client) {
    // Un client muet n'est pas gardé.
    QTimer::singleShot(AttenteReponseMs, client, &QObject::deleteLater);
    connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    connect(client, &QLocalSocket::readyRead, this, [this, client] {
        if (!client->canReadLine()) {
            return;
        }
        if (client->readLine(Demande.size() + 1) == Demande) {
            if (Montrer) {
                Montrer();
            }
            client->write(Reponse);
        }
        client->disconnectFromServer();
    });
}

} // namespace pulsodex
