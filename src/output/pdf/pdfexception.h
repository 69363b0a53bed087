#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace pdf {

// Every failure of the PDF writer: the calls out of order, the checks of the page operations
// and the file errors.
class PDFException : public std::exception
{
public:
    explicit PDFException(const QString& message);

    QString message() const { return m_message; }
    const char* what() const noexcept override;

private:
    QString m_message;
    QByteArray m_what;
};

} // namespace pdf
