// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Texts from the data file are shown as written: never read as markup, in the window
// or in the message that refuses a file.

#include "AideFenetre.h"
#include "BoiteRefus.h"
#include "Demarrage.h"
#include "LecteurDonnees.h"

#include <QBuffer>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>

using namespace AideFenetre;

namespace {

QByteArray livrees() {
    QFile f(donneesLivrees());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestTextesDuFichier : public QObject {
    Q_OBJECT

private slots:
    void nomsEnTexteBrut() {
        QTemporaryDir dossier;
        const QString image = dossier.filePath("grande.png");
        QImage(300, 300, QImage::Format_RGB32).save(image);
        const QString balises = QStringLiteral("<i>Terre</i> <b>bleue</b>");
        const QString img = QStringLiteral("<img src='%1'>").arg(image);
        QByteArray octets = livrees();
        octets.replace("\"Terre\"", "\"" + balises.toLatin1() + "\"");
        octets.replace("\"Mercure\"", "\"" + img.toLatin1() + "\"");
        QFile f(LecteurDonnees::chemin(dossier.path()));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
        f.close();

        auto fenetre = ouvre(f.fileName());
        QVERIFY(fenetre);
        const Tablecom* t = fenetre->tablecom();
        QCOMPARE(t->LbOrbite->text(), "Champ orbital : " + balises);
        QCOMPARE(t->LabCourse->text(), "Distance parcourue par " + balises);
        for (const QLabel* l : {t->LbOrbite, t->LabCourse}) {
            QCOMPARE(l->textFormat(), Qt::PlainText);
        }
        for (int i = 0; i < NbAstres; ++i) {
            QCOMPARE(fenetre->cosmos()->nom(i)->textFormat(), Qt::PlainText);
        }
        // The picture is not loaded: the label is one line of text high.
        const QLabel* mercure = fenetre->cosmos()->nom(1);
        QCOMPARE(mercure->text(), img);
        QVERIFY2(mercure->sizeHint().height() < 100,
                 qPrintable(QString::number(mercure->sizeHint().height())));
    }

    void refusEnTexteBrut() {
        // A refusal quoting a long marked-up name: plain text, and a box of sane width.
        QByteArray octets = livrees();
        octets.replace("\"Mars\",       7", "\"<b>" + QByteArray(10000, 'M') + "</b>\", -7");
        QBuffer tampon(&octets);
        tampon.open(QIODevice::ReadOnly);
        DonneesSidranes d = LecteurDonnees::lit(tampon, QStringLiteral("/x/sidranes.dat"));
        Systeme s;
        s.astres = d.astres;
        s.DateDebut = d.DateDebut;
        QString message;
        try {
            Demarrage::InitSysteme(s, 570, d.provenance);
        } catch (const ErreurDonnees& e) {
            message = e.message();
        }
        QVERIFY2(message.contains(QStringLiteral("(<b>MMM")), qPrintable(message));
        QVERIFY2(message.size() < 300, qPrintable(message));
        const auto boite = BoiteRefus::cree(message);
        QCOMPARE(boite->textFormat(), Qt::PlainText);
        QCOMPARE(boite->text().remove(QChar(0x200B)), message); // break opportunities only
        boite->show();
        QVERIFY2(boite->width() < 700, qPrintable(QString::number(boite->width())));
    }

    void refusSurPetitEcran_data() {
        QTest::addColumn<QString>("message");
        const QString dossier = "/home/" + QString(120, u'd') + "/" + QString(100, u'e');
        QTest::newRow("dossier profond")
            << Refus::aLaLigne(
                   dossier + "/sidranes.dat", 10,
                   QStringLiteral("le fichier se termine avant le nom de l'astre n° 6 ; "
                                  "il faut 4 valeurs d'en-tête, la date de départ (jour, "
                                  "mois, année) puis 11 astres de 7 valeurs chacun"))
                   .message();
        // Short words only: Qt would give the box half the screen's width.
        QTest::newRow("virgule décimale")
            << Refus::virguleDecimale(QStringLiteral("/tmp/virgule.dat"), 7,
                                      QStringLiteral("87,969"))
                   .message();
    }

    void refusSurPetitEcran() {
        // The whole box, OK included, fits a 320 x 240 screen with room for a title bar,
        // and no unbroken run of the text is wider than the box.
        QFETCH(QString, message);
        QScreen* petit = nullptr;
        for (QScreen* e : QGuiApplication::screens()) {
            petit = e->name() == QLatin1String("320x240") ? e : petit;
        }
        QVERIFY2(petit, "the offscreen screens come from tests/ecrans.json");
        const auto boite = BoiteRefus::cree(message);
        boite->setScreen(petit);
        boite->move(petit->availableGeometry().topLeft());
        boite->show();
        QVERIFY(QTest::qWaitForWindowExposed(boite.get()));
        const QRect zone = petit->availableGeometry();
        const QSize taille = boite->frameGeometry().size();
        QVERIFY2(taille.width() <= zone.width() && taille.height() + 28 <= zone.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(taille.width()).arg(taille.height())));
        const QLabel* texte = boite->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(texte);
        QVERIFY2(texte->minimumSizeHint().width() <= texte->width(),
                 qPrintable(QString::number(texte->minimumSizeHint().width())));
    }
};

QTEST_MAIN(TestTextesDuFichier)
#include "tst_textesdufichier.moc"
