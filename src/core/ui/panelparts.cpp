#include "core/ui/panelparts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace core {

QPushButton* NamedButton(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    return b;
}

QLabel* PanelHeading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("heading"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    label->setFont(font);
    return label;
}

void UncheckAll(QButtonGroup* group)
{
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(exclusive);
}

QFont ColumnListFont()
{
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    return fixed;
}

} // namespace core
