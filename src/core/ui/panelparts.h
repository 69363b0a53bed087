#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace core {

// A push button with its object name, the name tests and the screenshot tour find it by.
QPushButton* NamedButton(const QString& text, const QString& objectName, QWidget* parent);

} // namespace core
