#pragma once

#include <QString>

class QButtonGroup;
class QFont;
class QLabel;
class QPushButton;
class QWidget;

namespace core {

// A push button with its object name, the name tests and the screenshot tour find it by.
QPushButton* NamedButton(const QString& text, const QString& objectName, QWidget* parent);

// The bold heading at the top of a panel (object name "heading").
QLabel* PanelHeading(const QString& text, QWidget* parent);

// Unchecks every button of an exclusive group (Qt keeps one checked otherwise).
void UncheckAll(QButtonGroup* group);

// The fixed-width font of lists whose lines are laid out in columns of characters.
QFont ColumnListFont();

} // namespace core
