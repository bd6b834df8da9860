#include "ui/shell/TQuitterForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pulsodex {

TQuitterForm::TQuitterForm(QWidget* parent)
    : BoiteCentree(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("QuitterForm"));
    setWindowTitle(QStringLiteral("Quitter Pulsodex"));

    auto* groupe = new QGroupBox(QStringLiteral("Confirmation"), this);
    auto* icone = new QLabel(groupe);
    icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* texte = new QLabel(
        QStringLiteral("Quitter Pulsdex n'avertira plus les alertes que vous avez définies"), groupe);
    texte->setWordWrap(true);
    texte->setTextFormat(Qt::PlainText);
    auto* contenu = new QHBoxLayout(groupe);
    contenu->addWidget(icone, 0, Qt::AlignTop);
    contenu->addWidget(texte, 1);

    // Créés dans l'ordre du clavier : Masquer, Annuler, Quitter.
    MasquerCmd = new QPushButton(QStringLiteral("&Masquer"), this);
    AnnulerCmd = new QPushButton(QStringLiteral("&Annuler"), this);
    QuitterCmd = new QPushButton(QStringLiteral("&Quitter"), this);
    QuitterCmd->setObjectName(QStringLiteral("QuitterCmd"));
    MasquerCmd->setObjectName(QStringLiteral("MasquerCmd"));
    AnnulerCmd->setObjectName(QStringLiteral("AnnulerCmd"));
    QuitterCmd->setAutoDefault(false);
    AnnulerCmd->setAutoDefault(false);
    MasquerCmd->setDefault(true);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(QuitterCmd);
    boutons->addWidget(MasquerCmd);
    boutons->addWidget(AnnulerCmd);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(groupe);
    principal->addLayout(boutons);
    principal->setSizeConstraint(QLayout::SetFixedSize);

    MasquerCmd->setFocus();

    connect(QuitterCmd, &QPushButton::clicked, this, [this] { done(Quitter); });
    connect(MasquerCmd, &QPushButton::clicked, this, [this] { done(Masquer); });
    connect(AnnulerCmd, &QPushButton::clicked, this, [this] { done(Annuler); });
}

} // namespace pulsodex
