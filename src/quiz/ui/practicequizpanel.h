#pragma once

#include "quiz/questionpools.h"
#include "quiz/sheetprinting.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace core {
class Program;
}

namespace quiz {

// "Practice Quiz...": sources and difficulty, the pools, the draw and the printed sheets.
// Built as "Competition Quiz..." it shows the same layout without any action.
class PracticeQuizPanel : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Practice, Competition };
    // Prints the sheets of one "Print Practice Quiz", each job of its own.
    using SheetPrinter = std::function<void(const QList<SheetJob>& jobs)>;

    PracticeQuizPanel(core::Program& program, Kind kind, QWidget* parent = nullptr);

    void open();
    void setSheetPrinter(SheetPrinter printer) { m_printer = std::move(printer); }

    const QuestionPools& pools() const { return m_pools; }
    const QStringList& drawnQuiz() const { return m_drawnQuiz; }
    const QStringList& drawnBonus() const { return m_drawnBonus; }
    const QStringList& drawnTieBreaker() const { return m_drawnTieBreaker; }
    bool prepared() const { return m_prepared; }

signals:
    void exitRequested();

private:
    void sourcesClicked();
    void difficultyEdited(const QString& text);
    void updateBuild();
    void buildPool();
    void applyLimits();
    void countChanged(QSpinBox* box, int limit);
    void updatePrepare(bool moveOn);
    void prepareQuiz();
    void copiesChanged();
    void printQuiz();
    SheetOptions options() const;

    core::Program& m_program;
    Kind m_kind;
    SheetPrinter m_printer;

    QuestionPools m_pools;
    QStringList m_drawnQuiz;
    QStringList m_drawnBonus;
    QStringList m_drawnTieBreaker;
    QString m_difficultyValue;
    bool m_sourcesChosen = false;
    bool m_difficultyChosen = false;
    bool m_prepared = false;
    bool m_clamping = false;

    QListWidget* m_sources;
    QComboBox* m_difficulty;
    QCheckBox* m_allowUsed;
    QPushButton* m_build;
    QLineEdit* m_poolQuiz;
    QLineEdit* m_poolBonus;
    QLineEdit* m_poolTieBreaker;
    QSpinBox* m_countQuiz;
    QSpinBox* m_countBonus;
    QSpinBox* m_countTieBreaker;
    QCheckBox* m_includeAuthor;
    QCheckBox* m_includeSource;
    QCheckBox* m_includeHint;
    QCheckBox* m_includeAnswerSpace;
    QCheckBox* m_printAnswers;
    QCheckBox* m_printHints;
    QCheckBox* m_saveQuiz;
    QLineEdit* m_title;
    QPushButton* m_prepare;
    QSpinBox* m_copies;
    QPushButton* m_print;
    QPushButton* m_exit;
};

} // namespace quiz
