// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoiteRefus.h"

#include <QMessageBox>
#include <cstdio>

namespace BoiteRefus {

std::unique_ptr<QMessageBox> cree(const QString& message) {
    auto boite = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Sidranes"),
                                               message, QMessageBox::Ok);
    boite->setTextFormat(Qt::PlainText);
    boite->setObjectName(QStringLiteral("BoiteRefus"));
    return boite;
}

void montre(const QString& message) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    std::fflush(stderr);
    cree(message)->exec();
}

} // namespace BoiteRefus
