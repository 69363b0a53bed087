#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace core {
class Program;
}

namespace quiz {

// "Quiz Types...": the quiz codes and titles questions are grouped by.
class QuizTypesPanel : public QWidget
{
    Q_OBJECT
public:
    explicit QuizTypesPanel(core::Program& program, QWidget* parent = nullptr);

    // What the menu does: both fields empty, the quiz types listed.
    void open();

signals:
    void exitRequested();

private:
    void codeLeft(const QString& text);
    void lineClicked(QListWidgetItem* item);
    void saveUpdate();
    void deleteQuiz();
    void relist();
    void clearFields();

    core::Program& m_program;
    QString m_shownCode; // the accepted code whose title the fields show
    QListWidget* m_list;
    QLineEdit* m_code;
    QLineEdit* m_title;
    QPushButton* m_save;
    QPushButton* m_exit;
    QPushButton* m_delete;
};

} // namespace quiz
