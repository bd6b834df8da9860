#pragma once
// Liaisons entre les états des contrôles du cœur et les widgets Qt : chaque
// liaison transmet le geste de l'utilisateur au cœur, puis le dialogue entier
// est reflété (les règles ont pu changer d'autres contrôles).
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "core/config/dialog/Controles.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSlider;

namespace pulsodex {

// Pastille de couleur : un clic demande une nouvelle couleur.
class PastilleCouleur : public QWidget {
    Q_OBJECT
public:
    explicit PastilleCouleur(QWidget* parent = nullptr);
    void FixerCouleur(std::int32_t couleur);

signals:
    void Clic();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;

private:
    std::int32_t m_couleur = 0;
};

class LiaisonsControles {
public:
    // apres : appelé après chaque geste (reflet du dialogue, focus demandé).
    explicit LiaisonsControles(std::function<void()> apres) : m_apres(std::move(apres)) {}

    void Lier(QCheckBox* boite, CaseACocher& etat);
    void Lier(QRadioButton* bouton, BoutonRadio& etat);
    // permis : caractères admis à la frappe (vide : tous).
    void Lier(QLineEdit* zone, ZoneTexte& etat, std::string permis = {});
    // changement : la règle du choix (peut être vide).
    void Lier(QComboBox* liste, Liste& etat, std::function<void()> changement);
    void Lier(QListWidget* liste, Liste& etat, std::function<void()> clic, bool aCocher = false);
    void Lier(PastilleCouleur* pastille, Forme& etat, std::function<void()> clic);
    void Lier(QSlider* curseur, Curseur& etat);
    void Lier(QLabel* etiquette, Etiquette& etat);
    void Lier(QAbstractButton* bouton, Controle& etat, std::function<void()> clic);
    // Entrée et sortie du focus d'un widget.
    void SurFocus(QWidget* widget, std::function<void()> entree, std::function<void()> sortie);

    // État du cœur → widgets, signaux retenus.
    void Refleter();

private:
    std::function<void()> m_apres;
    std::vector<std::function<void()>> m_reflets;
};

void RefleterControle(QWidget* widget, const Controle& etat);

// Le widget qui reflète un contrôle prend le nom de ce contrôle, à moins
// d'en avoir déjà un. Chaque liaison le fait.
void NommerSelon(QWidget* widget, const Controle& etat);

// Donne son nom à un widget qui ne reflète aucun contrôle (pages, boutons du cadre).
template <typename W>
W* Nomme(W* widget, const char* nom) {
    widget->setObjectName(QString::fromLatin1(nom));
    return widget;
}

// Une case à cocher ou un bouton radio (leur nom vient de la liaison), et un groupe titré.
QCheckBox* Case(const char* texte);
QRadioButton* Radio(const char* texte);
QGroupBox* Groupe(const char* titre, QLayout* contenu);

} // namespace pulsodex
