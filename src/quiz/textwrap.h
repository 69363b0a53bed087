#pragma once

#include <QString>
#include <QStringList>

namespace quiz {

constexpr int OneLineLength = 110;  // texts up to this length stay on one line
constexpr int BreakSearchFrom = 100; // a longer line ends before the first blank from this character on

// The printed lines of a long text: up to two breaks at a blank from character 100 on (the
// blank dropped), whatever remains forms the third line unbroken; with no such blank the text
// stays whole.
QStringList WrapText(const QString& text);

} // namespace quiz
