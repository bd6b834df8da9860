#pragma once
// La boîte « A Propos » : produit, compilation, identité, site, système et processeur.
#include <string>

#include "ui/shell/BoiteCentree.h"

class QLabel;
class QPushButton;

namespace pulsodex {

class TAboutBox : public BoiteCentree {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Les deux textes que l'appelant fournit : le nom du système et celui du
    // premier processeur.
    void FixerSysteme(const std::string& systeme, const std::string& processeur);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QLabel* SystemeLabel = nullptr;
    QLabel* OSName = nullptr;
    QLabel* ProcesseurLabel = nullptr;
    QLabel* Cpu = nullptr;
    QLabel* FrequenceLabel = nullptr;
    QLabel* Freq = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

} // namespace pulsodex
