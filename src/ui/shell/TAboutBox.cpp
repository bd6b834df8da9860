#include "ui/shell/TAboutBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/Compilation.h"
#include "core/commun/Produit.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/app/IconeApplication.h"

namespace pulsodex {

namespace {
QLabel* Etiquette(const QString& texte, const char* nom, QWidget* parent) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->setTextFormat(Qt::PlainText);
    return etiquette;
}
} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : BoiteCentree(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A Propos"));

    auto* panneau = new QFrame(this);
    panneau->setObjectName(QStringLiteral("Panel1"));
    panneau->setFrameShape(QFrame::StyledPanel);
    panneau->setFrameShadow(QFrame::Sunken);

    ProgramIcon = new QLabel(panneau);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(IconeApplication().pixmap(48, 48));
    ProductName = Etiquette(QStringLiteral("Logiciel ") + Q(produit::Titre), "ProductName", panneau);
    QFont grande = ProductName->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.5);
    ProductName->setFont(grande);
    Version = Etiquette(Q(LigneCompilation()), "Version", panneau);
    Copyright = Etiquette(Q(produit::Identite), "Copyright", panneau);
    Comments = Etiquette(QStringLiteral("Download gratuit sur ") + Q(produit::SiteWeb), "Comments", panneau);
    Comments->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SystemeLabel = Etiquette(QStringLiteral("Système :"), "SystemeLabel", panneau);
    OSName = Etiquette(QString(), "OSName", panneau);
    ProcesseurLabel = Etiquette(QStringLiteral("Processeur :"), "ProcesseurLabel", panneau);
    Cpu = Etiquette(QString(), "Cpu", panneau);
    // Jamais montrées.
    FrequenceLabel = Etiquette(QStringLiteral("Fréquence :"), "FrequenceLabel", panneau);
    Freq = Etiquette(QString(), "Freq", panneau);
    FrequenceLabel->hide();
    Freq->hide();

    auto* textes = new QVBoxLayout;
    textes->addWidget(ProductName);
    textes->addWidget(Version);
    textes->addWidget(Copyright);
    textes->addSpacing(8);
    textes->addWidget(Comments);
    auto* haut = new QHBoxLayout;
    haut->addWidget(ProgramIcon, 0, Qt::AlignTop);
    haut->addSpacing(8);
    haut->addLayout(textes, 1);
    auto* systeme = new QGridLayout;
    systeme->addWidget(SystemeLabel, 0, 0);
    systeme->addWidget(OSName, 0, 1);
    systeme->addWidget(ProcesseurLabel, 1, 0);
    systeme->addWidget(Cpu, 1, 1);
    systeme->addWidget(FrequenceLabel, 2, 0);
    systeme->addWidget(Freq, 2, 1);
    systeme->setColumnStretch(1, 1);
    auto* contenu = new QVBoxLayout(panneau);
    contenu->addLayout(haut);
    contenu->addSpacing(8);
    contenu->addLayout(systeme);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(panneau);
    principal->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    principal->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::FixerSysteme(const std::string& systeme, const std::string& processeur) {
    OSName->setText(Q(systeme));
    Cpu->setText(Q(processeur));
}

} // namespace pulsodex
