#include "judging/ui/teamprintpanel.h"

#include "core/program.h"
#include "core/ui/panelparts.h"
#include "judging/entries.h"

#include <QGridLayout>
#include <QHBoxLayout>
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
    m_counties->setMinimumSize(360, 320);
    caption->setBuddy(m_counties);
    auto* none = core::NamedButton(QStringLiteral("None"), QStringLiteral("noneButton"), this);
    auto* all = core::NamedButton(QStringLiteral("All"), QStringLiteral("allButton"), this);
    m_print = core::NamedButton(QStringLiteral("Print Team list"), QStringLiteral("printTeamList"), this);
    auto* back = core::NamedButton(QStringLiteral("Return"), QStringLiteral("returnButton"), this);

    // The list with its None and All beneath it; the two actions beside it.
    auto* listColumn = new QGridLayout;
    listColumn->addWidget(caption, 0, 0, 1, 2);
    listColumn->addWidget(m_counties, 1, 0, 1, 2);
    listColumn->addWidget(none, 2, 0);
    listColumn->addWidget(all, 2, 1);
    auto* actions = new QVBoxLayout;
    actions->addSpacing(caption->sizeHint().height());
    actions->addWidget(m_print);
    actions->addStretch(1);
    actions->addWidget(back);
    auto* row = new QHBoxLayout;
    row->addLayout(listColumn);
    row->addSpacing(16);
    row->addLayout(actions);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(row);
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
