// SPDX-FileCopyrightText: 2026 L'équipe Sidranes
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>
#include <cstdint>
#include <optional>

class QIODevice;

// Cuts a byte stream into the values of a comma- and line-separated text file, the way
// the data file has always been read:
//
// - A value ends at a comma, at a line end (CR LF, LF or a lone CR) or at the end of the
//   file. Blanks (spaces and tabs) around a value are not part of it.
// - A value that starts with a double quote runs to the next double quote; the quotes
//   are not part of it and commas inside are. It must close on the same line, and only
//   blanks may stand between the closing quote and the comma or line end that follows.
//   A quote inside an unquoted value is an ordinary character.
// - A line that is empty or blank is not a value: it is skipped. After a comma, though,
//   a value always follows, even an empty one: "a,,b" holds three values and so does
//   "a,b," followed by a line end or by the end of the file.
//
// Only ASCII bytes delimit values, so the stream may be Windows-1252 or UTF-8 alike:
// the bytes of a value are handed back undecoded. The values are UTF-8 when the file
// starts with the UTF-8 byte order mark (skipped), or with a UTF-16 one (the file is
// then turned into UTF-8 block by block), or when all that has been read of it, without
// a mark, is valid UTF-8 that holds non-ASCII text: the verdict can change as the reading
// goes on, never after a byte that is not UTF-8. Any other file is taken as
// Windows-1252, as the program has always read it. A Ctrl-Z (0x1A), the old end-of-text mark, ends
// the file.
//
// Memory and time stay bounded whatever the stream: it is read in blocks, a value may
// not exceed TailleMaxValeur bytes, and no more than TailleMaxLue bytes are read in all.
// Nothing is read ahead of the value asked for beyond the current block.
class LecteurSequentiel {
public:
    static constexpr int64_t TailleMaxValeur = 64 * 1024;
    static constexpr int64_t TailleMaxLue = 16 * 1024 * 1024;
    static constexpr int64_t TailleBloc = 64 * 1024;

    enum class Etat {
        Valeur,              // a value was read
        FinDuFichier,        // the file ends before this value
        GuillemetNonFerme,   // a quoted value does not close on its line
        TexteApresGuillemet, // something other than blanks follows a closing quote
        ValeurTropLongue,    // more than TailleMaxValeur bytes without a delimiter
        TropLu,              // TailleMaxLue bytes read in all
        ErreurLecture,       // the device reported an error
    };

    struct Valeur {
        Etat etat = Etat::Valeur;
        QByteArray octets; // the value; for TexteApresGuillemet, the text that follows
        bool entreGuillemets = false;
        int64_t ligne = 1;       // 1-based line where the value starts (or where reading stopped)
        bool apresBlanc = false; // first on its line, or blanks between it and the comma
        bool virguleCollee = false; // a comma follows its last byte, with no blank between
    };

    explicit LecteurSequentiel(QIODevice& source);

    // The next value. The reference stays valid until the next call.
    const Valeur& suivante();
    // The value last handed back by suivante().
    const Valeur& derniere() const { return courante_; }

    // The values' bytes are UTF-8, not Windows-1252, as far as the file has been read.
    bool utf8() const { return utf8_; }
    // The file looks like UTF-16 without a byte order mark, which is not read as such.
    bool utf16SansMarque() const { return utf16SansMarque_; }
    static bool semblableUtf16(QByteArrayView debut);
    // Bytes taken from the device so far (the byte order mark included).
    int64_t octetsLus() const { return totalLu_; }

private:
    int regarde();
    void avance();
    void consommeFinDeLigne();
    void sauteBlancs();
    bool sauteSeparateurs();
    const Valeur& finSansValeur();
    const Valeur& litEntreGuillemets();
    const Valeur& litSansGuillemets();
    bool ajoute(int c);
    const Valeur& termine();
    const Valeur& texteApresGuillemet();
    Etat etatALaFin() const;
    int64_t derniereLigne() const;
    const Valeur& arret(Etat etat, int64_t ligne);
    bool remplit();
    void prepareBloc(bool premier);
    void reconnaitCodage();
    void jugeUtf8();

    QIODevice& source_;
    Valeur courante_;
    QByteArray tampon_;
    qsizetype pos_ = 0;
    int64_t totalLu_ = 0;
    bool marque_ = false; // a byte order mark named the writing
    bool utf16SansMarque_ = false;
    bool nonUtf8_ = false; // a byte that is not UTF-8 has been read
    QStringDecoder verification_{QStringConverter::Utf8};
    int64_t ligne_ = 1;
    bool finAtteinte_ = false;
    bool erreurLecture_ = false;
    bool tropLu_ = false;
    bool apresVirgule_ = false;
    bool finDeLigneEnDernier_ = false;
    bool utf8_ = false;
    std::optional<QStringDecoder> utf16_; // set for a UTF-16 file, for the whole reading
};

// A number as the data file writes it: an optional sign, decimal digits with an optional
// period (at least one digit in all), an optional exponent (e or E, optional sign,
// digits). Nothing else, not even blanks: the reader has trimmed them.
struct Nombre {
    enum class Etat { Valeur, PasUnNombre, HorsLimites };
    Etat etat = Etat::PasUnNombre;
    double valeur = 0;
};
Nombre analyseNombre(QByteArrayView texte);
