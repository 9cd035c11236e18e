// libFuzzer target: any bytes given to the data file reader end in data or in
// ErreurDonnees, never in a crash, a hang or a sanitizer report.
#include "LecteurDonnees.h"

#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray octets =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    try {
        const DonneesSidranes d = LecteurDonnees::lit(tampon, QStringLiteral("/fuzz/sidranes.dat"));
        // A date is always given, within the range the program accepts.
        if (!d.DateDebut.isValid() || d.DateDebut.year() < 100 || d.DateDebut.year() > 9999) {
            abort();
        }
    } catch (const ErreurDonnees& e) {
        // Every message names the file.
        if (!e.message().contains(QStringLiteral("/fuzz/sidranes.dat"))) {
            abort();
        }
    }
    return 0;
}
