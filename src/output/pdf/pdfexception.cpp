#include "output/pdf/pdfexception.h"

namespace pdf {

PDFException::PDFException(const QString& message) : m_message(message), m_what(message.toUtf8()) {}

const char* PDFException::what() const noexcept
{
    return m_what.constData();
}

} // namespace pdf
