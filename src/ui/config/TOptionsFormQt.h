#pragma once
// La fenêtre « Configuration de Pulsodex XP V1.0 Béta 2 » : huit pages dont
// deux cachées, et les boutons Ok, Sauver, Annuler, Aide. Elle reflète l'état
// du dialogue du cœur et lui transmet les gestes de l'utilisateur.
#include <QDialog>

#include <functional>
#include <memory>

#include "ui/config/LiaisonsControles.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace pulsodex {

class TOptionsForm;
class PageMessagesQt;
class PageAgendaQt;

class TOptionsFormQt : public QDialog {
    Q_OBJECT
public:
    // enregistrer : l'écriture des réglages de « Sauver » (vrai si elle a réussi).
    TOptionsFormQt(TOptionsForm& etat, std::function<bool()> enregistrer, QWidget* parent = nullptr);
    ~TOptionsFormQt() override;

    // État du cœur → widgets ; puis le focus demandé par une règle.
    void Refleter();
    [[nodiscard]] bool Sauvee() const;

    QTabWidget* Pages = nullptr;
    QPushButton* OkCmd = nullptr;
    QPushButton* SauverCmd = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* AideCmd = nullptr;

protected:
    void reject() override;

private:
    QWidget* PageAfficher();
    QWidget* PageGeneral();
    QWidget* PageAvance();
    QWidget* PageStyle();
    QWidget* PageServeurs();
    QWidget* PageMiseAJour();
    void RefleterExemple();

    TOptionsForm& m_etat;
    std::function<bool()> m_enregistrer;
    LiaisonsControles m_liaisons;
    QLabel* m_exemple = nullptr;
    PageMessagesQt* m_messages = nullptr;
    PageAgendaQt* m_agenda = nullptr;
};

} // namespace pulsodex
