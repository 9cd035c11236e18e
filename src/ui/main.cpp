#include "LecteurDonnees.h"
#include "Polices.h"
#include "Sidrane.h"
#include "SurveillanceEcran.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    Polices::charge();
    SurveillanceEcran surveillance;
    Sidrane fenetre;
    try {
        fenetre.Form_Load();
    } catch (const ErreurDonnees& erreur) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(erreur.message()));
        QMessageBox::critical(nullptr, QStringLiteral("Sidranes"), erreur.message());
        return 1;
    }
    return QApplication::exec();
}
