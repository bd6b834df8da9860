#include "ui/config/PageOptionsQt.h"

#include <QLineEdit>
#include <QListWidget>

#include "core/config/dialog/TOptionsForm.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/config/RefletsControles.h"

namespace pulsodex {

PageOptionsQt::PageOptionsQt(TOptionsForm& form, const char* nom, QWidget* parent)
    : QWidget(parent), m_form(form), m_liaisons([this] { Apres(); }), m_zones(new SuiviZones(this)) {
    setObjectName(QString::fromLatin1(nom));
}

void PageOptionsQt::Refleter() {
    m_liaisons.Refleter();
    RendreFocus(this, m_form.Focus);
}

void PageOptionsQt::Apres() {
    if (Rafraichir) {
        Rafraichir();
    } else {
        Refleter();
    }
}

void PageOptionsQt::LierListe(QListWidget* widget, Liste& liste, Regle regle, bool aCocher) {
    m_liaisons.Lier(
        widget, liste, [this, regle] { (m_form.*regle)(); }, aCocher);
}

void PageOptionsQt::LierZone(QLineEdit* widget, ZoneTexte& zone, std::function<std::string()> permis,
                             Regle entree, Regle sortie) {
    m_liaisons.Lier(widget, zone);
    SuiviZones::Zone regles;
    regles.Permis = std::move(permis);
    if (entree != nullptr) {
        regles.Entree = [this, entree] {
            (m_form.*entree)();
            Apres();
        };
    }
    regles.Sortie = [this, sortie, &zone] {
        (m_form.*sortie)();
        const bool refusee = m_form.Focus == zone.Nom;
        Apres();
        return refusee;
    };
    m_zones->Suivre(widget, std::move(regles));
}

} // namespace pulsodex
