#include "judging/ui/screenreviewpanel.h"

#include "core/program.h"
#include "core/ui/panelparts.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace judging {

namespace {

constexpr int LeadColumns = 2; // contestant, name

QTableWidget* ResultsGrid(const QString& objectName, QWidget* parent)
{
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(objectName);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

// Class columns alike for the usual placing and score, wider only for a longer entry; the name
// column for 21 characters.
void SizeColumns(QTableWidget* grid)
{
    QHeaderView* header = grid->horizontalHeader();
    const QFontMetrics metrics(grid->font());
    header->setMinimumSectionSize(metrics.horizontalAdvance(QStringLiteral("X/100")) + 16);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    header->resizeSection(1, metrics.horizontalAdvance(QString(21, QLatin1Char('n'))) + 12);
}

QTableWidgetItem* Heading(const QString& text, const QString& toolTip = QString())
{
    auto* item = new QTableWidgetItem(text);
    if (!toolTip.isEmpty())
        item->setToolTip(toolTip);
    return item;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text)
{
    grid->setItem(row, column, new QTableWidgetItem(text));
}

} // namespace

ScreenReviewPanel::ScreenReviewPanel(core::Program& program, SelectedContest& contest, QWidget* parent)
    : QWidget(parent), m_program(program), m_contest(contest)
{
    auto* heading = core::PanelHeading(QStringLiteral("Screen Review of Results..."), this);
    m_contestLine = new QLabel(this);
    m_contestLine->setObjectName(QStringLiteral("contest"));
    auto* displaying = new QLabel(QStringLiteral("Displaying Team:"), this);
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("position"));
    m_teamName = new QLabel(this);
    m_teamName->setObjectName(QStringLiteral("teamName"));
    QFont bold = m_teamName->font();
    bold.setBold(true);
    m_teamName->setFont(bold);
    m_position->setFont(bold);
    m_prior = core::NamedButton(QStringLiteral("Prior Team"), QStringLiteral("priorTeam"), this);
    m_next = core::NamedButton(QStringLiteral("Next Team"), QStringLiteral("nextTeam"), this);
    m_return = core::NamedButton(QStringLiteral("Return"), QStringLiteral("returnButton"), this);

    auto* firstCaption = new QLabel(QStringLiteral("Classes 1 - 12 (If Available)"), this);
    m_grid = ResultsGrid(QStringLiteral("resultsGrid"), this);
    m_moreCaption = new QLabel(QStringLiteral("Classes 13 - 24 (If Available)"), this);
    m_moreGrid = ResultsGrid(QStringLiteral("moreClassesGrid"), this);
    m_moreGrid->horizontalHeader()->setStretchLastSection(false);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(displaying);
    navigation->addWidget(m_position);
    navigation->addSpacing(24);
    navigation->addWidget(m_teamName, 1);
    navigation->addWidget(m_prior);
    navigation->addWidget(m_next);
    navigation->addSpacing(24);
    navigation->addWidget(m_return);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_contestLine);
    layout->addLayout(navigation);
    layout->addWidget(firstCaption);
    layout->addWidget(m_grid, 3);
    layout->addWidget(m_moreCaption);
    layout->addWidget(m_moreGrid, 2);

    connect(m_prior, &QPushButton::clicked, this, [this] { showEntry(m_current - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showEntry(m_current + 1); });
    connect(m_return, &QPushButton::clicked, this, &ScreenReviewPanel::returnRequested);
    showEntry(-1);
}

int ScreenReviewPanel::entryCount() const
{
    return m_results ? int(m_results->entries().size()) : 0;
}

void ScreenReviewPanel::review(const ReportSelections& selections, bool byCounty)
{
    const ResultsFilter filter =
        byCounty ? ResultsFilter{ResultsFilter::CountyTexts, selections.counties} : ResultsFilter{};
    m_results = std::make_unique<ClassResults>(m_program.data(), m_contest.key, selections.classes, filter);
    m_contestLine->setText(m_contest.key + QStringLiteral("   ") + m_contest.title);
    setColumns();
    showEntry(entryCount() > 0 ? 0 : -1);
}

void ScreenReviewPanel::setColumns()
{
    const auto& classes = m_results->classes();
    const int count = int(classes.size());
    const int first = std::min(count, ClassesPerPage);
    const int more = count - first;

    m_grid->clear();
    m_grid->setColumnCount(LeadColumns + first + 3);
    m_grid->setHorizontalHeaderItem(0, Heading(QStringLiteral("Contestant")));
    m_grid->setHorizontalHeaderItem(1, Heading(QStringLiteral("Name")));
    for (int i = 0; i < first; ++i) {
        const ResultClass& c = classes[std::size_t(i)];
        m_grid->setHorizontalHeaderItem(LeadColumns + i, Heading(c.number, c.title));
    }
    m_grid->setHorizontalHeaderItem(LeadColumns + first, Heading(QStringLiteral("Total")));
    m_grid->setHorizontalHeaderItem(LeadColumns + first + 1, Heading(QStringLiteral("Team")));
    m_grid->setHorizontalHeaderItem(LeadColumns + first + 2, Heading(QStringLiteral("County / Team")));
    SizeColumns(m_grid);

    m_moreGrid->clear();
    m_moreGrid->setColumnCount(LeadColumns + more);
    m_moreGrid->setHorizontalHeaderItem(0, Heading(QStringLiteral("Contestant")));
    m_moreGrid->setHorizontalHeaderItem(1, Heading(QStringLiteral("Name")));
    for (int i = 0; i < more; ++i) {
        const ResultClass& c = classes[std::size_t(ClassesPerPage + i)];
        m_moreGrid->setHorizontalHeaderItem(LeadColumns + i, Heading(c.number, c.title));
    }
    SizeColumns(m_moreGrid);
    m_moreGrid->setVisible(more > 0);
}

void ScreenReviewPanel::showEntry(int index)
{
    const int count = entryCount();
    m_current = (index >= 0 && index < count) ? index : -1;
    m_prior->setEnabled(m_current > 0);
    m_next->setEnabled(m_current >= 0 && m_current < count - 1);
    m_position->setText(QString::number(m_current + 1) + QStringLiteral(" of ") + QString::number(count));
    if (m_current < 0) {
        m_teamName->clear();
        m_grid->setRowCount(0);
        m_moreGrid->setRowCount(0);
        return;
    }
    const EntryResults results = m_results->read(m_results->entries()[std::size_t(m_current)]);
    m_teamName->setText(results.teamName);
    fillRows(results);
}

void ScreenReviewPanel::fillRows(const EntryResults& results)
{
    const int count = int(m_results->classes().size());
    const int first = std::min(count, ClassesPerPage);
    const int rows = int(results.members.size());
    m_grid->clearContents();
    m_grid->setRowCount(rows);
    m_moreGrid->clearContents();
    m_moreGrid->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const MemberResults& m = results.members[std::size_t(r)];
        const QString label = results.entry.levelCode + QLatin1Char(' ') + m.contestant;
        for (QTableWidget* grid : {m_grid, m_moreGrid}) {
            SetCell(grid, r, 0, label);
            SetCell(grid, r, 1, m.name);
        }
        for (int i = 0; i < count; ++i) {
            if (m.cells[std::size_t(i)].isEmpty())
                continue;
            if (i < first)
                SetCell(m_grid, r, LeadColumns + i, m.cells[std::size_t(i)]);
            else
                SetCell(m_moreGrid, r, LeadColumns + i - first, m.cells[std::size_t(i)]);
        }
        if (m.total > 0)
            SetCell(m_grid, r, LeadColumns + first, QString::number(m.total));
        if (m.position == results.lastNamed) {
            if (results.teamLevel)
                SetCell(m_grid, r, LeadColumns + first + 1, QString::number(results.teamTotal));
            SetCell(m_grid, r, LeadColumns + first + 2, results.county + QStringLiteral(" / ") + results.teamName);
        }
    }
}

} // namespace judging
