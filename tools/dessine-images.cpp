// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures of Sidranes into the directory given on the command line.
// The output is committed, so the program's own build never runs this.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

namespace {

// Loaded by path so that the pictures do not depend on the fontconfig setup.
constexpr const char* policesTexte[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Oblique.ttf",
    "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf",
};

bool chargePolices() {
    for (const char* chemin : policesTexte) {
        if (QFontDatabase::addApplicationFont(QString::fromUtf8(chemin)) < 0) {
            std::fprintf(stderr, "dessine-images: police introuvable : %s\n", chemin);
            return false;
        }
    }
    return true;
}

QImage transparente(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPointF surEllipse(QPointF centre, qreal rx, qreal ry, qreal inclinaison, qreal angle) {
    const qreal a = angle * std::numbers::pi / 180;
    QTransform t;
    t.translate(centre.x(), centre.y()).rotate(inclinaison);
    return t.map(QPointF(rx * std::cos(a), ry * std::sin(a)));
}

void ellipseInclinee(QPainter& p, QPointF centre, qreal rx, qreal ry, qreal inclinaison) {
    p.save();
    p.translate(centre);
    p.rotate(inclinaison);
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

// The near or the far half of a tilted ellipse, to pass an orbit in front of
// or behind what it circles.
void demiEllipse(QPainter& p, QPointF centre, qreal rx, qreal ry, qreal inclinaison, bool devant) {
    p.save();
    p.translate(centre);
    p.rotate(inclinaison);
    p.setClipRect(devant ? QRectF(-rx - 10, 0, 2 * rx + 20, ry + 10)
                         : QRectF(-rx - 10, -ry - 10, 2 * rx + 20, ry + 10));
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

// A lit sphere: the gradient's focal point sits on the side facing the light.
QRadialGradient degradeSphere(QPointF centre, qreal rayon, QPointF lumiere, QColor clair,
                              QColor base, QColor sombre) {
    QLineF versLumiere(centre, lumiere);
    versLumiere.setLength(rayon * 0.45);
    QRadialGradient g(centre, rayon * 1.05, versLumiere.p2());
    g.setColorAt(0, clair);
    g.setColorAt(0.45, base);
    g.setColorAt(1, sombre);
    return g;
}

// ---------------------------------------------------------------- icon

// The icon on a 128-unit square. The pictures and the SVG both read these, so the
// sizes a desktop picks between show the same drawing.
namespace icone {

constexpr qreal cote = 128;
const QPointF centre(64, 64);
const QRectF cadre(3, 3, 122, 122);
constexpr qreal arrondi = 26;
const QColor bordCadre(90, 110, 170);
constexpr QPointF etoiles[] = {{26, 30}, {98, 24}, {30, 100}, {104, 96}};
const QColor couleurEtoile(220, 230, 255, 200);
constexpr qreal rayonEtoile = 1.6;
constexpr qreal rayonHalo = 44;
constexpr qreal rayonSoleil = 22;
constexpr qreal orbiteRx = 50;
constexpr qreal orbiteRy = 18;
constexpr qreal inclinaison = -25;
const QColor couleurOrbite(150, 190, 255, 230);
const QColor bordPlanete(12, 18, 48);
constexpr qreal rayonPlanete = 14;

QRadialGradient ciel() {
    QRadialGradient g(QPointF(64, 56), 80);
    g.setColorAt(0, QColor(34, 48, 104));
    g.setColorAt(1, QColor(6, 9, 26));
    return g;
}

QRadialGradient halo() {
    QRadialGradient g(centre, rayonHalo);
    g.setColorAt(0.4, QColor(255, 200, 60, 160));
    g.setColorAt(1, QColor(255, 140, 0, 0));
    return g;
}

QRadialGradient soleil() {
    return degradeSphere(centre, rayonSoleil, QPointF(50, 50), QColor(255, 255, 225),
                         QColor(255, 205, 50), QColor(235, 110, 0));
}

QPointF planete() {
    return surEllipse(centre, orbiteRx, orbiteRy, inclinaison, 30);
}

QRadialGradient degradePlanete() {
    return degradeSphere(planete(), rayonPlanete, centre, QColor(190, 235, 255),
                         QColor(50, 130, 230), QColor(10, 30, 90));
}

// Thin pens vanish at 32 px: keep every line at least about one pixel wide.
qreal trait(int taille) {
    return std::max(3.0, 150.0 / taille);
}

} // namespace icone

void fondIcone(QPainter& p) {
    p.setPen(QPen(icone::bordCadre, 2));
    p.setBrush(icone::ciel());
    p.drawRoundedRect(icone::cadre, icone::arrondi, icone::arrondi);
}

void soleilIcone(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(icone::halo());
    p.drawEllipse(icone::centre, icone::rayonHalo, icone::rayonHalo);
    p.setBrush(icone::soleil());
    p.drawEllipse(icone::centre, icone::rayonSoleil, icone::rayonSoleil);
}

void etoilesIcone(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(icone::couleurEtoile);
    for (QPointF ou : icone::etoiles) {
        p.drawEllipse(ou, icone::rayonEtoile, icone::rayonEtoile);
    }
}

void orbiteIcone(QPainter& p, int taille, bool devant) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(icone::couleurOrbite, icone::trait(taille)));
    demiEllipse(p, icone::centre, icone::orbiteRx, icone::orbiteRy, icone::inclinaison, devant);
}

void planeteIcone(QPainter& p, int taille) {
    p.setPen(QPen(icone::bordPlanete, icone::trait(taille)));
    p.setBrush(icone::degradePlanete());
    p.drawEllipse(icone::planete(), icone::rayonPlanete, icone::rayonPlanete);
}

QImage dessineIcone(int taille) {
    QImage image = transparente(taille, taille);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille / icone::cote, taille / icone::cote);
    fondIcone(p);
    etoilesIcone(p);
    orbiteIcone(p, taille, false);
    soleilIcone(p);
    orbiteIcone(p, taille, true);
    planeteIcone(p, taille);
    return image;
}

// ---------------------------------------------------------------- scalable icon

QString nombre(qreal x) {
    return QString::number(x, 'g', 6);
}

QString couleurSvg(QColor c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString degradeSvg(const char* id, const QRadialGradient& g) {
    QString svg =
        QStringLiteral("<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                       "cx=\"%2\" cy=\"%3\" r=\"%4\" fx=\"%5\" fy=\"%6\">\n")
            .arg(QString::fromUtf8(id), nombre(g.center().x()), nombre(g.center().y()),
                 nombre(g.radius()), nombre(g.focalPoint().x()), nombre(g.focalPoint().y()));
    for (const auto& [position, couleur] : g.stops()) {
        svg += QStringLiteral("  <stop offset=\"%1\" stop-color=\"%2\" stop-opacity=\"%3\"/>\n")
                   .arg(nombre(position), couleurSvg(couleur), nombre(couleur.alphaF()));
    }
    return svg + QStringLiteral("</radialGradient>\n");
}

QString cercleSvg(QPointF c, qreal r, const QString& style) {
    return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" %4/>\n")
        .arg(nombre(c.x()), nombre(c.y()), nombre(r), style);
}

// The same halves as demiEllipse(): a clip in the orbit's own tilted frame.
QString demiOrbiteSvg(bool devant) {
    const qreal rx = icone::orbiteRx, ry = icone::orbiteRy;
    const QRectF coupe = devant ? QRectF(-rx - 10, 0, 2 * rx + 20, ry + 10)
                                : QRectF(-rx - 10, -ry - 10, 2 * rx + 20, ry + 10);
    const QString id = devant ? QStringLiteral("devant") : QStringLiteral("derriere");
    const QColor c = icone::couleurOrbite;
    return QStringLiteral("<g transform=\"translate(%1 %2) rotate(%3)\">\n"
                          "<clipPath id=\"%4\"><rect x=\"%5\" y=\"%6\" width=\"%7\" "
                          "height=\"%8\"/></clipPath>\n"
                          "<ellipse rx=\"%9\" ry=\"%10\" clip-path=\"url(#%4)\" fill=\"none\" "
                          "stroke=\"%11\" stroke-opacity=\"%12\" stroke-width=\"%13\"/>\n</g>\n")
        .arg(nombre(icone::centre.x()), nombre(icone::centre.y()), nombre(icone::inclinaison), id,
             nombre(coupe.x()), nombre(coupe.y()), nombre(coupe.width()), nombre(coupe.height()),
             nombre(rx))
        .arg(nombre(ry), couleurSvg(c), nombre(c.alphaF()), nombre(icone::trait(icone::cote)));
}

QString fondSvg() {
    const QRectF r = icone::cadre;
    return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                          "fill=\"url(#ciel)\" stroke=\"%6\" stroke-width=\"2\"/>\n")
        .arg(nombre(r.x()), nombre(r.y()), nombre(r.width()), nombre(r.height()),
             nombre(icone::arrondi), couleurSvg(icone::bordCadre));
}

QString etoilesSvg() {
    const QString style =
        QStringLiteral("fill=\"%1\" fill-opacity=\"%2\"")
            .arg(couleurSvg(icone::couleurEtoile), nombre(icone::couleurEtoile.alphaF()));
    QString svg;
    for (QPointF ou : icone::etoiles) {
        svg += cercleSvg(ou, icone::rayonEtoile, style);
    }
    return svg;
}

// The icon again as an SVG text, drawn in the same order as dessineIcone().
QByteArray iconeSvg() {
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" "
                                 "height=\"128\" viewBox=\"0 0 128 128\">\n<defs>\n");
    svg += degradeSvg("ciel", icone::ciel()) + degradeSvg("halo", icone::halo()) +
           degradeSvg("soleil", icone::soleil()) + degradeSvg("planete", icone::degradePlanete());
    svg += QStringLiteral("</defs>\n") + fondSvg() + etoilesSvg() + demiOrbiteSvg(false);
    svg += cercleSvg(icone::centre, icone::rayonHalo, QStringLiteral("fill=\"url(#halo)\""));
    svg += cercleSvg(icone::centre, icone::rayonSoleil, QStringLiteral("fill=\"url(#soleil)\""));
    svg += demiOrbiteSvg(true);
    svg += cercleSvg(icone::planete(), icone::rayonPlanete,
                     QStringLiteral("fill=\"url(#planete)\" stroke=\"%1\" stroke-width=\"%2\"")
                         .arg(couleurSvg(icone::bordPlanete), nombre(icone::trait(icone::cote))));
    return (svg + QStringLiteral("</svg>\n")).toUtf8();
}

// ---------------------------------------------------------------- hand cursor

// Coordinates sit on pixel centres (x.5) so that the 1 px outline stays crisp;
// the index finger is centred on column 12 and its top is row 1, the hot spot.
QPainterPath contourMain() {
    QPainterPath main;
    main.addRoundedRect(QRectF(9.5, 1.5, 6, 18), 3, 3);
    main.addRoundedRect(QRectF(15.5, 9.5, 5, 11), 2.5, 2.5);
    main.addRoundedRect(QRectF(20.5, 11.5, 5, 10), 2.5, 2.5);
    main.addRoundedRect(QRectF(25.5, 13.5, 4, 9), 2, 2);
    QPainterPath paume;
    paume.moveTo(9.5, 16.5);
    paume.lineTo(29.5, 17.5);
    paume.lineTo(29.5, 24.5);
    paume.quadTo(28.5, 28.5, 25.5, 30.5);
    paume.lineTo(13.5, 30.5);
    paume.quadTo(10.5, 28.5, 8.5, 25.5);
    paume.lineTo(4.5, 19.5);
    paume.quadTo(3.5, 16.5, 5.5, 15.5);
    paume.quadTo(7.5, 15.0, 9.5, 17.5);
    paume.closeSubpath();
    return main.united(paume).simplified();
}

QImage dessineMain() {
    QImage image = transparente(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(contourMain());
    // The creases between the folded fingers.
    p.drawLine(QPointF(15.5, 12.5), QPointF(15.5, 16.5));
    p.drawLine(QPointF(20.5, 14.5), QPointF(20.5, 18.5));
    p.drawLine(QPointF(25.5, 16.5), QPointF(25.5, 19.5));
    return image;
}

// ---------------------------------------------------------------- slider

QImage dessineBoule(QColor clair, QColor base, QColor sombre, int echelle = 1) {
    QImage image = transparente(20 * echelle, 20 * echelle);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(echelle, echelle);
    const QPointF centre(10, 10);
    p.setPen(QPen(sombre.darker(160), 0.9));
    p.setBrush(degradeSphere(centre, 9.3, QPointF(2, 1), clair, base, sombre));
    p.drawEllipse(centre, 9.3, 9.3);
    QRadialGradient reflet(QPointF(7, 6.2), 3.2);
    reflet.setColorAt(0, QColor(255, 255, 255, 235));
    reflet.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(reflet);
    p.drawEllipse(QPointF(7, 6.2), 3.2, 2.7);
    return image;
}

// One-pixel edges as filled rectangles, so that a scaled painter keeps them whole.
void bordCreux(QPainter& p, QRect r, QColor haut, QColor bas) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), haut);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), haut);
    p.fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 1, 1), bas);
    p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), bas);
}

// The knobs, 20 px high, stand 10 px below the top: their centre, and so the
// groove's, is at y = 20; the groove keeps a 5 px margin at each end.
void rainure(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 178, 146));
    p.drawRoundedRect(QRectF(5, 17.5, 148, 4), 2, 2);
    p.setBrush(QColor(252, 242, 222));
    p.drawRoundedRect(QRectF(5.5, 20, 147, 3.5), 1.75, 1.75);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(5, 18.5, 148, 3), 1.5, 1.5);
}

QImage dessineFondGlissiere(int echelle = 1) {
    QImage image(158 * echelle, 38 * echelle, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(echelle, echelle);
    const QRect cadre(0, 0, 158, 38);
    QLinearGradient fond(0, 0, 0, 38);
    fond.setColorAt(0, QColor(211, 194, 161));
    fond.setColorAt(1, QColor(232, 218, 190));
    p.fillRect(cadre, fond);
    bordCreux(p, cadre, QColor(138, 120, 92), QColor(255, 251, 240));
    bordCreux(p, cadre.adjusted(1, 1, -1, -1), QColor(184, 166, 134), QColor(243, 230, 204));
    rainure(p);
    return image;
}

// ---------------------------------------------------------------- splash

const QPointF soleilDebut(112, 190);
constexpr qreal inclinaisonDebut = -9;
constexpr qreal aplatissement = 0.3;

// A fixed seed and the engine's raw output keep the picture the same on every run.
void etoiles(QPainter& p, QSize taille) {
    std::mt19937 hasard(2007);
    const auto tirage = [&hasard] { return hasard() / 4294967296.0; };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const QPointF ou(tirage() * taille.width(), tirage() * taille.height());
        const qreal eclat = std::pow(tirage(), 2.5);
        const int teinte = static_cast<int>(tirage() * 3);
        const QColor couleurs[] = {{255, 255, 255}, {190, 210, 255}, {255, 225, 190}};
        QColor c = couleurs[teinte];
        c.setAlphaF(0.25 + 0.75 * eclat);
        p.setBrush(c);
        p.drawEllipse(ou, 0.4 + 0.9 * eclat, 0.4 + 0.9 * eclat);
    }
}

void soleilEclatant(QPainter& p) {
    QRadialGradient halo(soleilDebut, 150);
    halo.setColorAt(0.15, QColor(255, 235, 160, 255));
    halo.setColorAt(0.22, QColor(255, 190, 60, 140));
    halo.setColorAt(0.32, QColor(255, 150, 30, 75));
    halo.setColorAt(0.6, QColor(210, 80, 10, 25));
    halo.setColorAt(1, QColor(120, 30, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(soleilDebut, 150, 150);
    // A star is not lit from one side: its disc darkens towards the limb.
    QRadialGradient disque(soleilDebut, 26);
    disque.setColorAt(0, QColor(255, 255, 235));
    disque.setColorAt(0.6, QColor(255, 225, 100));
    disque.setColorAt(0.9, QColor(255, 170, 35));
    disque.setColorAt(1, QColor(245, 125, 5));
    p.setBrush(disque);
    p.drawEllipse(soleilDebut, 26, 26);
}

constexpr qreal orbitesDebut[] = {52, 74, 100, 132, 198, 262, 330, 400, 470};

void orbites(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 160, 255, 95), 0.9));
    for (qreal rx : orbitesDebut) {
        ellipseInclinee(p, soleilDebut, rx, rx * aplatissement, inclinaisonDebut);
    }
}

struct Planete {
    int orbite;
    qreal angle;
    qreal rayon;
    QColor clair, base, sombre;
};

QPointF surOrbite(int orbite, qreal angle) {
    const qreal rx = orbitesDebut[orbite];
    return surEllipse(soleilDebut, rx, rx * aplatissement, inclinaisonDebut, angle);
}

void dessinePlanete(QPainter& p, QPointF centre, qreal rayon, QColor clair, QColor base,
                    QColor sombre) {
    p.setPen(Qt::NoPen);
    p.setBrush(degradeSphere(centre, rayon, soleilDebut, clair, base, sombre));
    p.drawEllipse(centre, rayon, rayon);
}

// Jupiter's belts, under the same lighting as the plain planets.
void bandesJupiter(QPainter& p, QPointF centre, qreal rayon) {
    QPainterPath disque;
    disque.addEllipse(centre, rayon, rayon);
    p.save();
    p.setClipPath(disque);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 85, 45, 140));
    for (qreal y : {-0.45, -0.1, 0.3}) {
        p.drawRect(QRectF(centre.x() - rayon, centre.y() + y * rayon, 2 * rayon, rayon * 0.17));
    }
    p.restore();
}

void anneauSaturne(QPainter& p, QPointF centre, qreal rayon, bool devant) {
    p.save();
    p.translate(centre);
    p.rotate(-18);
    p.setClipRect(devant ? QRectF(-3 * rayon, 0, 6 * rayon, 3 * rayon)
                         : QRectF(-3 * rayon, -3 * rayon, 6 * rayon, 3 * rayon));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(225, 200, 150, 210), rayon * 0.35));
    p.drawEllipse(QPointF(0, 0), rayon * 1.95, rayon * 0.55);
    p.restore();
}

void planetes(QPainter& p) {
    const Planete liste[] = {
        {0, 35, 3.2, {230, 230, 230}, {160, 155, 150}, {40, 38, 36}},
        {1, 300, 5.2, {255, 250, 225}, {230, 205, 150}, {60, 45, 25}},
        {3, 120, 4.4, {255, 200, 170}, {215, 90, 50}, {55, 18, 8}},
        {4, 40, 13, {255, 240, 215}, {225, 180, 130}, {60, 38, 20}},
        {6, 5, 6, {225, 255, 255}, {130, 210, 220}, {15, 50, 60}},
    };
    for (const Planete& planete : liste) {
        dessinePlanete(p, surOrbite(planete.orbite, planete.angle), planete.rayon, planete.clair,
                       planete.base, planete.sombre);
    }
    bandesJupiter(p, surOrbite(liste[3].orbite, liste[3].angle), liste[3].rayon);
}

void terreEtLune(QPainter& p) {
    const QPointF terre = surOrbite(2, 58);
    dessinePlanete(p, terre, 6, QColor(200, 235, 255), QColor(50, 120, 230), QColor(8, 20, 60));
    p.setPen(QPen(QColor(255, 255, 255, 60), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(terre, 12, 4.5);
    dessinePlanete(p, terre + QPointF(11, -2.5), 1.7, QColor(240, 240, 240), QColor(170, 170, 170),
                   QColor(50, 50, 50));
}

void saturne(QPainter& p) {
    const QPointF centre = surOrbite(5, 15);
    anneauSaturne(p, centre, 10, false);
    dessinePlanete(p, centre, 10, QColor(255, 245, 210), QColor(225, 195, 130), QColor(60, 45, 20));
    anneauSaturne(p, centre, 10, true);
}

QPainterPath texteEnChemin(const QString& texte, const QFont& police, QPointF ligne) {
    QPainterPath chemin;
    chemin.addText(0, 0, police, texte);
    const QRectF boite = chemin.boundingRect();
    chemin.translate(ligne.x() - boite.center().x(), ligne.y());
    return chemin;
}

void titre(QPainter& p) {
    QFont police("Comic Neue", 10, QFont::Bold);
    police.setPixelSize(58);
    const QPainterPath chemin = texteEnChemin("Sidranes", police, QPointF(322, 78));
    p.setBrush(Qt::NoBrush);
    for (int largeur : {11, 7, 4}) {
        p.setPen(
            QPen(QColor(255, 120, 0, 45), largeur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(chemin);
    }
    QLinearGradient or_(0, 30, 0, 80);
    or_.setColorAt(0, QColor(255, 250, 200));
    or_.setColorAt(0.55, QColor(255, 200, 60));
    or_.setColorAt(1, QColor(240, 120, 10));
    p.setPen(QPen(QColor(90, 30, 0), 1.2));
    p.setBrush(or_);
    p.drawPath(chemin);
}

void ligneTexte(QPainter& p, const QString& texte, QFont police, int taille, QColor couleur,
                QPointF centre) {
    police.setPixelSize(taille);
    p.setFont(police);
    p.setPen(couleur);
    const QRectF boite(centre.x() - 200, centre.y() - taille, 400, 2 * taille);
    p.drawText(boite, Qt::AlignCenter, texte);
}

// The version's line, under the subtitle, is left blank: the program writes it there
// at run time, so that a new release needs no new picture.
void notices(QPainter& p) {
    const QFont sans("DejaVu Sans");
    QFont penchee = sans;
    penchee.setItalic(true);
    ligneTexte(p, "Un planétaire pour le bureau", penchee, 14, QColor(225, 230, 255),
               QPointF(322, 103));
    QLinearGradient voile(0, 262, 0, 307);
    voile.setColorAt(0, QColor(0, 0, 0, 0));
    voile.setColorAt(0.4, QColor(0, 0, 0, 190));
    p.fillRect(QRectF(0, 262, 467, 45), voile);
    ligneTexte(p, "Logiciel libre, licence GPL 3 ou ultérieure — © 2026 l'équipe Sidranes", sans,
               11, QColor(200, 200, 210), QPointF(233.5, 281));
    ligneTexte(p, "Appuyez sur une touche ou cliquez sur l'image", penchee, 11,
               QColor(140, 150, 180), QPointF(233.5, 297));
}

QImage dessineDebut(int echelle = 1) {
    const QSize taille(467, 307);
    QImage image(taille * echelle, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(echelle, echelle);
    etoiles(p, taille);
    orbites(p);
    soleilEclatant(p);
    planetes(p);
    terreEtLune(p);
    saturne(p);
    titre(p);
    notices(p);
    return image;
}

// ---------------------------------------------------------------- output

bool enregistre(const QImage& image, const QDir& dossier, const char* nom, int qualite = -1) {
    const QString chemin = dossier.filePath(QString::fromUtf8(nom));
    if (!image.save(chemin, nullptr, qualite)) {
        std::fprintf(stderr, "dessine-images: écriture impossible : %s\n", qPrintable(chemin));
        return false;
    }
    std::printf("%s\n", qPrintable(chemin));
    return true;
}

bool enregistreTexte(const QByteArray& texte, const QDir& dossier, const char* nom) {
    QFile fichier(dossier.filePath(QString::fromUtf8(nom)));
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(texte) != texte.size()) {
        std::fprintf(stderr, "dessine-images: écriture impossible : %s\n",
                     qPrintable(fichier.fileName()));
        return false;
    }
    std::printf("%s\n", qPrintable(fichier.fileName()));
    return true;
}

// The desktop's icon theme: every usual size, then the scalable drawing.
bool dessineIconesBureau(const QDir& dossier) {
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QByteArray nom = QStringLiteral("sidranes-%1.png").arg(taille).toUtf8();
        if (!enregistre(dessineIcone(taille), dossier, nom.constData())) {
            return false;
        }
    }
    return enregistreTexte(iconeSvg(), dossier, "sidranes.svg");
}

bool dessineTout(const QDir& dossier) {
    return enregistre(dessineIcone(32), dossier, "icone.png") &&
           enregistre(dessineIcone(128), dossier, "icone-128.png") &&
           enregistre(dessineMain(), dossier, "main.png") &&
           enregistre(dessineBoule({255, 230, 170}, {255, 135, 15}, {150, 55, 0}), dossier,
                      "boule-orange.png") &&
           enregistre(dessineBoule({215, 255, 195}, {60, 185, 60}, {10, 85, 20}), dossier,
                      "boule-verte.png") &&
           enregistre(dessineFondGlissiere(), dossier, "fond-glissiere.png") &&
           enregistre(dessineDebut(), dossier, "debut.jpg", 92);
}

// The same pictures at twice the pixels for screens scaled by 2: Qt picks
// "name@2x.png" beside "name.png" and shows it at the same logical size.
bool dessineDoubles(const QDir& dossier) {
    return enregistre(dessineIcone(64), dossier, "icone@2x.png") &&
           enregistre(dessineBoule({255, 230, 170}, {255, 135, 15}, {150, 55, 0}, 2), dossier,
                      "boule-orange@2x.png") &&
           enregistre(dessineBoule({215, 255, 195}, {60, 185, 60}, {10, 85, 20}, 2), dossier,
                      "boule-verte@2x.png") &&
           enregistre(dessineFondGlissiere(2), dossier, "fond-glissiere@2x.png") &&
           enregistre(dessineDebut(2), dossier, "debut@2x.jpg", 92);
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: dessine-images IMAGES ICONES\n");
        return 2;
    }
    const QDir images(QString::fromLocal8Bit(argv[1]));
    const QDir icones(QString::fromLocal8Bit(argv[2]));
    if (!images.exists() || !icones.exists() || !chargePolices()) {
        return 1;
    }
    const bool dessinees =
        dessineTout(images) && dessineDoubles(images) && dessineIconesBureau(icones);
    return dessinees ? 0 : 1;
}
