#pragma once
// Ce que les pages Qt du dialogue de configuration ont en commun : le cœur
// qu'elles reflètent, la transmission des gestes de l'utilisateur et le
// rafraîchissement qui suit chacun d'eux.
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace pulsodex {

class TOptionsForm;
class BoutonRadio;
struct Liste;
struct ZoneTexte;
class SuiviZones;

class PageOptionsQt : public QWidget {
public:
    // États du cœur → widgets.
    virtual void Refleter() = 0;
    // Après chaque geste transmis au cœur : le dialogue reflète toutes ses
    // pages. Sans lui, la page se reflète seule.
    std::function<void()> Rafraichir;

protected:
    using Regle = void (TOptionsForm::*)();

    PageOptionsQt(TOptionsForm& form, const char* nom, QWidget* parent);
    void Apres();
    void Transmettre(QAbstractButton* bouton, Regle regle);
    void TransmettreRadios(std::initializer_list<std::pair<QRadioButton*, BoutonRadio*>> radios);
    // Le choix d'une ligne ou d'un indice : d'abord la sélection, puis la règle.
    void TransmettreLigne(QListWidget* widget, Liste& liste, Regle regle);
    void TransmettreIndice(QComboBox* widget, Liste& liste, Regle regle);
    // Une zone de saisie : son texte, le filtre des touches, l'entrée et la
    // sortie (qui peut la refuser : le cœur lui rend alors le focus).
    void SuivreZone(QLineEdit* widget, ZoneTexte& zone, std::function<std::string()> permis, Regle entree,
                    Regle sortie);

    TOptionsForm& m_form;

private:
    SuiviZones* m_zones = nullptr;
};

// Donne au widget le nom du contrôle qu'il reflète.
template <typename W>
W* Nomme(W* widget, const char* nom) {
    widget->setObjectName(QString::fromLatin1(nom));
    return widget;
}

} // namespace pulsodex
