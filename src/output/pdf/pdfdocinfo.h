#pragma once

#include <QDateTime>
#include <QString>

namespace pdf {

// The texts of the Info dictionary.
struct PDFDocInfo
{
    QString creator = QStringLiteral("Marvolen PDF writer program");
    QString author = QStringLiteral("Desktop User");
    QString title = QStringLiteral("No Title");
    QString subject = QStringLiteral("None");
    QString keywords = QStringLiteral("Marvolen");
    QString producer = QStringLiteral("Marvolen PDF writer 2.x");
    QDateTime creationDate;
};

} // namespace pdf
