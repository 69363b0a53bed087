#include "pdftools.h"

#include <QProcess>
#include <QRegularExpression>

namespace pdftools {

Result run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {false, program.toUtf8() + " did not run: " + process.errorString().toUtf8()};
    const QByteArray output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {false, output + process.readAllStandardError()};
    return {true, output};
}

Result check(const QString& file)
{
    Result result = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), file});
    // qpdf exits with 3 on warnings; run() already treats that as a failure.
    if (result.ok && !result.output.contains("No syntax or stream encoding errors")) result.ok = false;
    return result;
}

QList<Word> words(const QString& file, int page)
{
    const QString number = QString::number(page);
    const Result result =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                          QStringLiteral("-l"), number, file, QStringLiteral("-")});
    QList<Word> found;
    if (!result.ok) return found;
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    const QString text = QString::fromUtf8(result.output);
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        found.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return found;
}

QByteArray streamData(const QString& file, int objectNumber)
{
    return run(QStringLiteral("qpdf"), {QStringLiteral("--show-object=%1").arg(objectNumber),
                                        QStringLiteral("--filtered-stream-data"), file})
        .output;
}

} // namespace pdftools
