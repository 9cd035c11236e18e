// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageEnregistree.h"

#include "Refus.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

namespace ImageEnregistree {

namespace {

QString dossierDesImages() {
    const QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(images).isDir() ? images : QDir::homePath();
}

// Asked here, in French, rather than by the file dialog.
bool remplacer(QWidget* parent, const QString& chemin) {
    QMessageBox question(QMessageBox::Question, QStringLiteral("Enregistrer l'image"),
                         QStringLiteral("Le fichier %1 existe déjà. Le remplacer ?")
                             .arg(Refus::cite(QFileInfo(chemin).fileName())),
                         QMessageBox::NoButton, parent);
    QPushButton* oui = question.addButton(QStringLiteral("Remplacer"), QMessageBox::AcceptRole);
    question.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    question.exec();
    return question.clickedButton() == oui;
}

} // namespace

QString demandeChemin(QWidget* parent, const QString& nomPropose) {
    QFileDialog dialogue(parent, QStringLiteral("Enregistrer l'image"),
                         QDir(dossierDesImages()).filePath(nomPropose),
                         QStringLiteral("Images PNG (*.png)"));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setDefaultSuffix(QStringLiteral("png"));
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    dialogue.setLabelText(QFileDialog::Accept, QStringLiteral("Enregistrer"));
    dialogue.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    dialogue.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialogue.setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    dialogue.setLabelText(QFileDialog::LookIn, QStringLiteral("Dossier :"));
    while (dialogue.exec() == QDialog::Accepted) {
        const QString chemin = dialogue.selectedFiles().value(0);
        if (!QFileInfo::exists(chemin) || remplacer(parent, chemin)) {
            return chemin;
        }
    }
    return QString();
}

std::optional<QString> ecrit(const QImage& image, const QString& chemin) {
    QSaveFile fichier(chemin);
    QImageWriter ecrivain(&fichier, "png");
    if (fichier.open(QIODevice::WriteOnly) && ecrivain.write(image) && fichier.commit()) {
        return std::nullopt;
    }
    const QString raison =
        fichier.error() != QFileDevice::NoError ? fichier.errorString() : ecrivain.errorString();
    return QStringLiteral("l'image n'a pas pu être enregistrée dans %1 (%2)")
        .arg(Refus::cite(chemin), Refus::affichable(raison));
}

} // namespace ImageEnregistree
