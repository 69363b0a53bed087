#include "core/ui/progresswindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace core {

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(QStringLiteral("Updating All Database Tables..."));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Updating All Database Tables..."), this);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    layout->addWidget(label);
    layout->addWidget(m_bar);
    resize(420, 90);
}

void ProgressWindow::setProgress(int value, int maximum)
{
    if (value < 0) {
        hide();
        return;
    }
    m_bar->setRange(0, maximum);
    m_bar->setValue(value);
    if (!isVisible())
        show();
    repaint();
}

} // namespace core
