// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LecteurSequentiel.h"

#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <charconv>
#include <optional>

LecteurSequentiel::LecteurSequentiel(QIODevice& source) : source_(source) {
    regarde(); // the first block tells how the file is written
}

// Valid UTF-8 so far, and beyond ASCII: every block read is looked at, through one
// decoder that carries a character cut by a block's end over to the next block.
void LecteurSequentiel::jugeUtf8() {
    if (!nonUtf8_ &&
        std::any_of(tampon_.begin(), tampon_.end(), [](char c) { return uchar(c) >= 0x80; })) {
        (void)QString(verification_.decode(tampon_)); // decoded only when made a QString
        nonUtf8_ = verification_.hasError();
        utf8_ = !nonUtf8_;
    }
}

// Text of UTF-16 without its mark: a NUL in one of every two bytes, nearly never in the
// others. Only said to the user, never acted on.
bool LecteurSequentiel::semblableUtf16(QByteArrayView debut) {
    const qsizetype n = std::min<qsizetype>(debut.size(), 4096) / 2 * 2;
    qsizetype nuls[2] = {0, 0};
    for (qsizetype i = 0; i < n; ++i) {
        nuls[i % 2] += debut[i] == '\0';
    }
    const qsizetype paires = n / 2;
    return paires >= 8 && std::max(nuls[0], nuls[1]) * 2 >= paires &&
           std::min(nuls[0], nuls[1]) * 20 <= paires;
}

// Skips a byte order mark at the start of the file and takes the writing it names.
void LecteurSequentiel::reconnaitCodage() {
    utf16SansMarque_ = semblableUtf16(tampon_);
    if (tampon_.startsWith("\xEF\xBB\xBF")) {
        utf8_ = marque_ = true;
        tampon_.remove(0, 3);
    } else if (tampon_.startsWith("\xFF\xFE") || tampon_.startsWith("\xFE\xFF")) {
        utf16_.emplace(tampon_[0] == '\xFF' ? QStringConverter::Utf16LE
                                            : QStringConverter::Utf16BE);
        utf8_ = marque_ = true;
        tampon_.remove(0, 2);
    }
}

// Makes the block just read into the bytes of the values, ended at a Ctrl-Z.
void LecteurSequentiel::prepareBloc(bool premier) {
    if (premier) {
        reconnaitCodage();
    }
    if (utf16_) {
        tampon_ = QString(utf16_->decode(tampon_)).toUtf8();
    }
    if (const qsizetype ctrlZ = tampon_.indexOf('\x1A'); ctrlZ >= 0) {
        tampon_.truncate(ctrlZ);
        finAtteinte_ = true;
    }
    if (!marque_) {
        jugeUtf8();
    }
}

bool LecteurSequentiel::remplit() {
    pos_ = 0;
    // A block may leave nothing to read: a lone byte of UTF-16, or a Ctrl-Z first.
    do {
        if (!finAtteinte_ && totalLu_ >= TailleMaxLue) {
            tropLu_ = true;
            finAtteinte_ = true;
        }
        if (finAtteinte_) {
            tampon_.clear();
            return false;
        }
        int64_t demande = std::min(TailleBloc, TailleMaxLue - totalLu_);
        // A small file needs no large block: ask for what the device says it holds.
        if (const int64_t disponible = source_.bytesAvailable(); disponible > 0) {
            demande = std::min(demande, disponible);
        }
        tampon_.resize(demande);
        const int64_t n = source_.read(tampon_.data(), demande);
        if (n <= 0) {
            erreurLecture_ = n < 0;
            finAtteinte_ = true;
            tampon_.clear();
            return false;
        }
        tampon_.resize(n);
        const bool premier = totalLu_ == 0;
        totalLu_ += n;
        prepareBloc(premier);
    } while (tampon_.isEmpty());
    return true;
}

int LecteurSequentiel::regarde() {
    if (pos_ >= tampon_.size() && !remplit()) {
        return -1;
    }
    return uchar(tampon_.constData()[pos_]);
}

void LecteurSequentiel::avance() {
    ++pos_;
    finDeLigneEnDernier_ = false;
}

void LecteurSequentiel::consommeFinDeLigne() {
    if (regarde() == '\r') {
        ++pos_;
        if (regarde() == '\n') {
            ++pos_;
        }
    } else {
        ++pos_;
    }
    ++ligne_;
    finDeLigneEnDernier_ = true;
}

void LecteurSequentiel::sauteBlancs() {
    for (int c = regarde(); c == ' ' || c == '\t'; c = regarde()) {
        avance();
    }
}

LecteurSequentiel::Etat LecteurSequentiel::etatALaFin() const {
    if (erreurLecture_) {
        return Etat::ErreurLecture;
    }
    if (tropLu_) {
        return Etat::TropLu;
    }
    return Etat::Valeur; // a true end of file
}

// The line where the file ends: the last line that holds anything, so that a file
// ending with a line end does not name the empty line after it.
int64_t LecteurSequentiel::derniereLigne() const {
    return (finDeLigneEnDernier_ && ligne_ > 1) ? ligne_ - 1 : ligne_;
}

const LecteurSequentiel::Valeur& LecteurSequentiel::arret(Etat etat, int64_t ligne) {
    courante_.etat = etat;
    courante_.ligne = ligne;
    courante_.octets.resize(0);
    courante_.entreGuillemets = false;
    return courante_;
}

const LecteurSequentiel::Valeur& LecteurSequentiel::suivante() {
    const bool debutDeLigne = !apresVirgule_;
    const bool blancs = sauteSeparateurs();
    // The value is built in place, in a buffer that keeps its capacity from one value
    // to the next.
    courante_.etat = Etat::Valeur;
    courante_.octets.resize(0);
    courante_.entreGuillemets = false;
    courante_.ligne = ligne_;
    courante_.apresBlanc = debutDeLigne || blancs;
    courante_.virguleCollee = false;
    const int c = regarde();
    if (c < 0) {
        return finSansValeur();
    }
    return c == '"' ? litEntreGuillemets() : litSansGuillemets();
}

// Blanks, and blank lines unless a comma has just ended the previous value. True when
// it skipped anything.
bool LecteurSequentiel::sauteSeparateurs() {
    for (bool saute = false;; saute = true) {
        const int c = regarde();
        if (c == ' ' || c == '\t') {
            avance();
        } else if (!apresVirgule_ && (c == '\r' || c == '\n')) {
            consommeFinDeLigne();
        } else {
            return saute;
        }
    }
}

const LecteurSequentiel::Valeur& LecteurSequentiel::finSansValeur() {
    if (const Etat e = etatALaFin(); e != Etat::Valeur) {
        return arret(e, ligne_);
    }
    if (apresVirgule_) { // "a," at the very end: one more, empty, value
        apresVirgule_ = false;
        return courante_;
    }
    return arret(Etat::FinDuFichier, derniereLigne());
}

const LecteurSequentiel::Valeur& LecteurSequentiel::litEntreGuillemets() {
    courante_.entreGuillemets = true;
    avance();
    for (int c = regarde(); c != '"'; c = regarde()) {
        if (c < 0 || c == '\r' || c == '\n') {
            const Etat e = c < 0 ? etatALaFin() : Etat::Valeur;
            return arret(e != Etat::Valeur ? e : Etat::GuillemetNonFerme, courante_.ligne);
        }
        if (!ajoute(c)) {
            return arret(Etat::ValeurTropLongue, courante_.ligne);
        }
    }
    avance();
    sauteBlancs();
    const int c = regarde();
    if (c >= 0 && c != ',' && c != '\r' && c != '\n') {
        return texteApresGuillemet();
    }
    return termine();
}

const LecteurSequentiel::Valeur& LecteurSequentiel::litSansGuillemets() {
    for (int c = regarde(); c >= 0 && c != ',' && c != '\r' && c != '\n'; c = regarde()) {
        if (!ajoute(c)) {
            return arret(Etat::ValeurTropLongue, courante_.ligne);
        }
    }
    QByteArray& octets = courante_.octets;
    qsizetype n = octets.size();
    while (n > 0 && (octets.constData()[n - 1] == ' ' || octets.constData()[n - 1] == '\t')) {
        --n;
    }
    courante_.virguleCollee = n == octets.size() && regarde() == ',';
    octets.truncate(n);
    return termine();
}

// Takes the byte at hand into the value, unless the value is full.
bool LecteurSequentiel::ajoute(int c) {
    if (courante_.octets.size() >= TailleMaxValeur) {
        return false;
    }
    courante_.octets.append(char(c));
    avance();
    return true;
}

// Takes the comma, line end or end of file that ends the value.
const LecteurSequentiel::Valeur& LecteurSequentiel::termine() {
    const int c = regarde();
    apresVirgule_ = c == ',';
    if (c == ',') {
        avance();
    } else if (c >= 0) {
        consommeFinDeLigne();
    } else if (const Etat e = etatALaFin(); e != Etat::Valeur) {
        return arret(e, courante_.ligne); // the value may be cut short
    }
    return courante_;
}

// Keeps a little of what follows the closing quote, for the message.
const LecteurSequentiel::Valeur& LecteurSequentiel::texteApresGuillemet() {
    arret(Etat::TexteApresGuillemet, courante_.ligne);
    for (int c = regarde();
         c >= 0 && c != ',' && c != '\r' && c != '\n' && courante_.octets.size() < 40;
         c = regarde()) {
        courante_.octets.append(char(c));
        avance();
    }
    return courante_;
}

namespace {

// How a number is written: where its parts stand.
struct Ecriture {
    bool negatif = false;
    qsizetype debutMantisse = 0;
    qsizetype finMantisse = 0;
    qsizetype chiffresEntiers = 0;
    int64_t exposant = 0; // saturated: past a few hundred only its sign matters
};

// Moves i past the digits at hand and counts them.
qsizetype passeChiffres(QByteArrayView texte, qsizetype& i) {
    const qsizetype debut = i;
    while (i < texte.size() && texte[i] >= '0' && texte[i] <= '9') {
        ++i;
    }
    return i - debut;
}

// Reads the exponent after its 'e'; false when it has no digits.
bool litExposant(QByteArrayView texte, qsizetype& i, int64_t& exposant) {
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
        negatif = texte[i] == '-';
        ++i;
    }
    const qsizetype debut = i;
    for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i) {
        exposant = std::min<int64_t>(exposant * 10 + (texte[i] - '0'), 1'000'000'000);
    }
    exposant = negatif ? -exposant : exposant;
    return i > debut;
}

// False when the text is not a number as the file writes them.
bool decoupe(QByteArrayView texte, Ecriture& e) {
    qsizetype i = 0;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
        e.negatif = texte[i] == '-';
        ++i;
    }
    e.debutMantisse = i;
    e.chiffresEntiers = passeChiffres(texte, i);
    qsizetype chiffresDecimaux = 0;
    if (i < texte.size() && texte[i] == '.') {
        ++i;
        chiffresDecimaux = passeChiffres(texte, i);
    }
    e.finMantisse = i;
    if (e.chiffresEntiers + chiffresDecimaux == 0) {
        return false;
    }
    if (i < texte.size() && (texte[i] == 'e' || texte[i] == 'E')) {
        ++i;
        if (!litExposant(texte, i, e.exposant)) {
            return false;
        }
    }
    return i == texte.size();
}

// The power of ten of the first significant digit of the mantissa; nothing for zero.
std::optional<int64_t> puissanceDeDix(QByteArrayView texte, const Ecriture& e) {
    int64_t rang = e.chiffresEntiers - 1;
    for (qsizetype k = e.debutMantisse; k < e.finMantisse; ++k) {
        if (texte[k] == '.') {
            continue;
        }
        if (texte[k] != '0') {
            return rang;
        }
        --rang;
    }
    return std::nullopt;
}

} // namespace

Nombre analyseNombre(QByteArrayView texte) {
    Ecriture e;
    if (!decoupe(texte, e)) {
        return {};
    }
    // from_chars takes a minus sign but no plus sign.
    const char* debut = texte.data() + (e.negatif ? e.debutMantisse - 1 : e.debutMantisse);
    const char* fin = texte.data() + texte.size();
    double valeur = 0;
    const auto [arret, erreur] = std::from_chars(debut, fin, valeur);
    if (erreur == std::errc() && arret == fin) {
        return {Nombre::Etat::Valeur, valeur};
    }
    if (erreur != std::errc::result_out_of_range) {
        return {};
    }
    // Beyond a double: too small reads as zero, too large is out of range.
    const std::optional<int64_t> puissance = puissanceDeDix(texte, e);
    if (puissance && *puissance + e.exposant >= 0) {
        return {Nombre::Etat::HorsLimites, 0};
    }
    return {Nombre::Etat::Valeur, e.negatif ? -0.0 : 0.0};
}
