#pragma once

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace quiz {

// The heading at the top of a quiz panel.
inline QLabel* makeHeading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("heading"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    label->setFont(font);
    return label;
}

inline QPushButton* makeButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

inline QLabel* makeLabel(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

} // namespace quiz
