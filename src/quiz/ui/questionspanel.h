#pragma once

#include "quiz/question.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace core {
class Program;
}

namespace quiz {

class DeferredChecks;

// "Questions...": pick a quiz type, then keep its questions. A question loaded from the list
// is stored again when another is picked or the panel is left.
class QuestionsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit QuestionsPanel(core::Program& program, QWidget* parent = nullptr);

    // What the menu does: back to choosing a quiz type.
    void open();
    // Stores a loaded question and ends the loaded state (leaving the panel, ending the run).
    void leave();

    QString loadedKey() const { return m_loadedKey; }
    DeferredChecks* checks() const { return m_checks; }

signals:
    void exitRequested();

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void listClicked(QListWidgetItem* item);
    void chooseQuiz(const QString& code);
    void listQuestions();
    void selectQuestion(const QString& key);
    void newQuestion();
    void saveUpdate();
    void deleteQuestion();
    void changeQuiz();
    void exit();

    void setupChecks();
    void showFields(const Question& q);
    void clearFields();
    void setEditorVisible(bool visible);
    void endLoaded();
    Question shownQuestion() const;
    void storeLoaded();
    // An entry accepted as it is typed: on to the next field, no check to wait for.
    void takeAtOnce(QWidget* box, QWidget* next);
    void cutText(QPlainTextEdit* box, const QString& warning);

    core::Program& m_program;
    QString m_code;
    QString m_loadedKey;  // the stored question the fields show, if any
    Question m_loaded;    // its values as loaded
    bool m_isNew = false; // the fields show a new question under the key shown
    bool m_choosingQuiz = true;

    DeferredChecks* m_checks;
    QLabel* m_listHeading;
    QListWidget* m_list;
    QLineEdit* m_count;
    QLineEdit* m_quizCode;
    QLineEdit* m_quizTitle;
    QWidget* m_editor;
    QLineEdit* m_key;
    QComboBox* m_difficulty;
    QLineEdit* m_author;
    QLineEdit* m_source;
    QComboBox* m_type;
    QLineEdit* m_editDate;
    QCheckBox* m_active;
    QLineEdit* m_usageCount;
    QLineEdit* m_selected;
    QComboBox* m_species;
    QComboBox* m_discipline;
    QComboBox* m_answerType;
    QPlainTextEdit* m_question;
    QPlainTextEdit* m_answer;
    QPlainTextEdit* m_hint;
    QPushButton* m_new;
    QPushButton* m_save;
    QPushButton* m_delete;
    QPushButton* m_changeQuiz;
    QPushButton* m_exit;
};

} // namespace quiz
