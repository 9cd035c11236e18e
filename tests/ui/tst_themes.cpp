// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// The window under the desktop's themes: a dark or high-contrast palette must not
// reach the panel's texts, and a large desktop font must not cut the planets' names.

#include "AideFenetre.h"
#include "LabelCliquable.h"

using namespace AideFenetre;

namespace {

// Relative luminance and contrast ratio as the WCAG define them.
double luminance(const QColor& c) {
    auto lineaire = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) +
           0.0722 * lineaire(c.blueF());
}

double contraste(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast inside the control's frame or bevel between its background
// (its commonest colour) and any other pixel: the one of its text.
double contrasteDuTexte(const QImage& panneau, const QRect& controle) {
    const QRect dedans = controle.adjusted(3, 3, -3, -3);
    QHash<QRgb, int> nombres;
    for (int y = dedans.top(); y <= dedans.bottom(); ++y) {
        for (int x = dedans.left(); x <= dedans.right(); ++x) {
            ++nombres[panneau.pixel(x, y)];
        }
    }
    const QRgb fond =
        std::max_element(nombres.keyValueBegin(), nombres.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    double meilleur = 1;
    for (QRgb pixel : nombres.keys()) {
        meilleur = std::max(meilleur, contraste(QColor(fond), QColor(pixel)));
    }
    return meilleur;
}

QPalette sombre() {
    QPalette p(QColor(53, 53, 53));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        p.setColor(role, Qt::white);
    }
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    return p;
}

QPalette contrasteEleve() {
    QPalette p(Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::Light,
                      QPalette::Midlight}) {
        p.setColor(role, Qt::white);
    }
    return p;
}

} // namespace

class TestThemes : public QObject {
    Q_OBJECT

private slots:
    void panneauGardeSesCouleurs_data() {
        QTest::addColumn<QPalette>("bureau");
        QTest::newRow("sombre") << sombre();
        QTest::newRow("contraste eleve") << contrasteEleve();
    }

    // The panel looks the same under any desktop palette, and each enabled control's text
    // stands out from its background by at least 4.5:1.
    void panneauGardeSesCouleurs() {
        QFETCH(QPalette, bureau);
        const QPalette avant = QApplication::palette();
        auto f = ouvre();
        QVERIFY(f);
        Tablecom* t = f->tablecom();
        const QImage dessine = t->grab().toImage();
        QApplication::setPalette(bureau);
        QCoreApplication::processEvents();
        const QImage sousLeTheme = t->grab().toImage();
        QApplication::setPalette(avant);
        QVERIFY(sousLeTheme == dessine);

        for (const QWidget* w : t->findChildren<QWidget*>()) {
            const auto* bouton = qobject_cast<const QPushButton*>(w);
            const auto* label = qobject_cast<const QLabel*>(w);
            if ((bouton && bouton->isEnabled()) || (label && !label->text().isEmpty())) {
                const double c = contrasteDuTexte(sousLeTheme, w->geometry());
                QVERIFY2(c >= 4.5,
                         qPrintable(QStringLiteral("%1: %2").arg(w->objectName()).arg(c)));
            }
        }
    }

    // An 18-point desktop font: each name label holds a whole line of its font
    // ("Terre", not "Ierre" cut at the top).
    void nomsALaHauteurDeLeurPolice() {
        struct Rend {
            const QFont avant = QApplication::font();
            ~Rend() { QApplication::setFont(avant); }
        } rend;
        QFont grande = rend.avant;
        grande.setPointSizeF(18);
        QApplication::setFont(grande);
        auto f = ouvre();
        QVERIFY(f);
        f->tablecom()->CmdAffNom->click();
        for (int i = 1; i <= f->moteur().etat().Champ; ++i) {
            const QLabel* nom = f->cosmos()->nom(i);
            QVERIFY(nom->isVisible());
            QVERIFY2(nom->height() >= QFontMetrics(nom->font()).height(), qPrintable(nom->text()));
            QVERIFY(nom->width() >= QFontMetrics(nom->font()).horizontalAdvance(nom->text()));
        }
    }
};

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
