#include "judging/ui/teamprintpanel.h"

#include "core/program.h"
#include "core/ui/panelparts.h"
#include "judging/entries.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace judging {

TeamPrintPanel::TeamPrintPanel(core::Program& program, SelectedContest& contest, QWidget* parent)
    : QWidget(parent), m_program(program), m_contest(contest)
{
    auto* heading = core::PanelHeading(QStringLiteral("Team Print Out Selection..."), this);
    auto* caption = new QLabel(QStringLiteral("County(ies) found in Current Contest..."), this);
    m_counties = new QListWidget(this);
    m_counties->setObjectName(QStringLiteral("countyList"));
    m_counties->setSelectionMode(QAbstractItemView::MultiSelection);
    m_counties->setMinimumWidth(320);
    caption->setBuddy(m_counties);
    auto* none = core::NamedButton(QStringLiteral("None"), QStringLiteral("noneButton"), this);
    auto* all = core::NamedButton(QStringLiteral("All"), QStringLiteral("allButton"), this);
    m_print = core::NamedButton(QStringLiteral("Print Team list"), QStringLiteral("printTeamList"), this);
    auto* back = core::NamedButton(QStringLiteral("Return"), QStringLiteral("returnButton"), this);

    auto* grid = new QGridLayout;
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(m_counties, 1, 0, 1, 2);
    grid->addWidget(none, 2, 0);
    grid->addWidget(all, 2, 1);
    grid->addWidget(m_print, 3, 0, 1, 2);
    grid->addWidget(back, 4, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addStretch(1);

    connect(m_counties, &QListWidget::itemSelectionChanged, this, &TeamPrintPanel::refresh);
    connect(none, &QPushButton::clicked, m_counties, &QListWidget::clearSelection);
    connect(all, &QPushButton::clicked, m_counties, &QListWidget::selectAll);
    connect(m_print, &QPushButton::clicked, this, &TeamPrintPanel::print);
    connect(back, &QPushButton::clicked, this, &TeamPrintPanel::returnRequested);
    refresh();
}

void TeamPrintPanel::open()
{
    m_counties->clear();
    m_counties->addItems(ContestCounties(m_program.data(), m_contest.key));
    refresh();
    m_counties->setFocus();
}

void TeamPrintPanel::setReportStarter(ReportStarter starter)
{
    m_reportStarter = std::move(starter);
    refresh();
}

void TeamPrintPanel::refresh()
{
    m_print->setEnabled(m_reportStarter && !m_counties->selectedItems().isEmpty());
}

void TeamPrintPanel::print()
{
    if (!m_reportStarter)
        return;
    ReportSelections selections;
    for (int i = 0; i < m_counties->count(); ++i)
        if (m_counties->item(i)->isSelected())
            selections.counties << m_counties->item(i)->text();
    if (!selections.counties.isEmpty())
        m_reportStarter(ReportKind::TeamList, selections);
}

} // namespace judging
