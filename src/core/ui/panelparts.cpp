#include "core/ui/panelparts.h"

#include <QPushButton>

namespace core {

QPushButton* NamedButton(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    return b;
}

} // namespace core
