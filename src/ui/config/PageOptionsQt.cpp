#include "PageOptionsQt.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "RefletsControles.h"
#include "adaptateurs/Conversions.h"
#include "config/dialog/TOptionsForm.h"

namespace pulsodex {

PageOptionsQt::PageOptionsQt(TOptionsForm& form, const char* nom, QWidget* parent)
    : QWidget(parent), m_form(form), m_zones(new SuiviZones(this)) {
    setObjectName(QString::fromLatin1(nom));
}

void PageOptionsQt::Apres() {
    if (Rafraichir) {
        Rafraichir();
    } else {
        Refleter();
    }
}

void PageOptionsQt::Transmettre(QAbstractButton* bouton, Regle regle) {
    connect(bouton, &QAbstractButton::clicked, this, [this, regle] {
        (m_form.*regle)();
        Apres();
    });
}

void PageOptionsQt::TransmettreRadios(std::initializer_list<std::pair<QRadioButton*, BoutonRadio*>> radios) {
    for (const auto& [widget, radio] : radios) {
        connect(widget, &QRadioButton::clicked, this, [this, radio = radio] {
            radio->Cocher();
            Apres();
        });
    }
}

void PageOptionsQt::TransmettreLigne(QListWidget* widget, Liste& liste, Regle regle) {
    connect(widget, &QListWidget::currentRowChanged, this, [this, &liste, regle](int ligne) {
        liste.Selection = ligne;
        (m_form.*regle)();
        Apres();
    });
}

void PageOptionsQt::TransmettreIndice(QComboBox* widget, Liste& liste, Regle regle) {
    connect(widget, &QComboBox::activated, this, [this, &liste, regle](int indice) {
        liste.Selection = indice;
        (m_form.*regle)();
        Apres();
    });
}

void PageOptionsQt::SuivreZone(QLineEdit* widget, ZoneTexte& zone, std::function<std::string()> permis,
                               Regle entree, Regle sortie) {
    connect(widget, &QLineEdit::textEdited, this, [&zone](const QString& texte) { zone.Texte = S(texte); });
    SuiviZones::Zone regles;
    regles.Permis = std::move(permis);
    if (entree != nullptr) {
        regles.Entree = [this, entree] {
            (m_form.*entree)();
            Apres();
        };
    }
    const std::string nom = S(widget->objectName());
    regles.Sortie = [this, sortie, nom] {
        (m_form.*sortie)();
        const bool refusee = m_form.Focus == nom;
        Apres();
        return refusee;
    };
    m_zones->Suivre(widget, std::move(regles));
}

} // namespace pulsodex
