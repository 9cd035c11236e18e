// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// At scale 2 the pictures are their double-density drawings shown at their usual
// logical size, never the usual bitmaps enlarged.

#include "AideFenetre.h"
#include "Debut.h"
#include "LabelCliquable.h"
#include "Ressources.h"
#include "Tableau.h"

using namespace AideFenetre;

class TestHauteDensite : public QObject {
    Q_OBJECT

private slots:
    void imagesDoubles_data() { Tableau::lignes(QStringLiteral("ui/imagesdoubles.txt")); }

    void imagesDoubles() {
        QFETCH(QStringList, colonnes);
        const QString chemin = colonnes.value(0);
        const QString dessinDouble = QString(chemin).insert(chemin.lastIndexOf(u'.'), "@2x");
        const QStringList t = colonnes.value(1).split(u' ');
        const QSize taille(t.value(0).toInt(), t.value(1).toInt());
        const QPixmap image = imageRessource(chemin);
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.deviceIndependentSize(), QSizeF(taille));
        // The drawing itself, pixel for pixel: not the usual picture scaled up.
        const QImage dessin(dessinDouble);
        QCOMPARE(dessin.size(), taille * 2);
        // Premultiplied both, as a pixmap holds it: a round trip would round by the CPU's
        // own conversion code.
        QCOMPARE(image.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 dessin.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void fenetreALaTailleLogique() {
        auto f = ouvre();
        QVERIFY(f);
        Glissiere* co = f->tablecom()->CO;
        QCOMPARE(co->size(), QSize(158, 38));
        // Painted from the double-density drawing pixel for pixel, right of the knob.
        const QImage rendu = co->grab().toImage().copy(160, 0, 140, 76);
        const QImage dessin =
            QImage(QStringLiteral(":/fond-glissiere@2x.png")).copy(160, 0, 140, 76);
        QCOMPARE(rendu.convertToFormat(QImage::Format_RGB32),
                 dessin.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(f->debut()->Image1->pixmap().devicePixelRatio(), 2.0);
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestHauteDensite test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hautedensite.moc"
