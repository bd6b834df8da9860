#pragma once
// La fenêtre d'aide : l'aide HTML livrée avec le programme, ouverte à un sujet.
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <filesystem>

class QPushButton;
class QTextBrowser;

namespace pulsodex {

// L'adresse de l'aide : le fichier installé ou celui du dossier de
// construction, sinon la copie intégrée au programme.
QUrl SourceAide(const std::filesystem::path& executable);

class FenetreAide : public QWidget {
    Q_OBJECT
public:
    explicit FenetreAide(const QUrl& source, QWidget* parent = nullptr);

    // Montre l'aide au sujet donné (1, 6, 10 ; tout autre : le début).
    void Ouvrir(int sujet);
    // Une boîte modale bloque les autres fenêtres : l'aide s'y rattache tant
    // qu'elle est ouverte, pour rester utilisable, et reprend sa liberté
    // quand la boîte se cache.
    void Rattacher(QWidget* modale);

    QTextBrowser* Navigateur = nullptr;
    QPushButton* SommaireCmd = nullptr;
    QPushButton* PrecedentCmd = nullptr;
    QPushButton* SuivantCmd = nullptr;
    QPushButton* FermerCmd = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    QUrl m_source;
    QPointer<QWidget> m_proprietaire;
};

} // namespace pulsodex
