#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// The outside programs that read our PDF files back in the tests.
namespace pdftools {

struct Result
{
    bool ok = false;
    QByteArray output; // standard output, or the reason of the failure
};

Result run(const QString& program, const QStringList& arguments);

// qpdf --check; ok only when qpdf finds neither errors nor warnings.
Result check(const QString& file);

struct Word
{
    QString text;
    QRectF box; // points, top-left origin
};
// The words pdftotext -bbox finds on a page.
QList<Word> words(const QString& file, int page);

// The decoded data of a stream object, as qpdf reads it.
QByteArray streamData(const QString& file, int objectNumber);

} // namespace pdftools
