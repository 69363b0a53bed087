#pragma once

#include <QWidget>

#include <array>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace core {
class DataMaster;
}

namespace judging {

// The contest codes screen: a code of two letters, its title and five user-defined texts.
class ContestCodesPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ContestCodesPanel(core::DataMaster& data, QWidget* parent = nullptr);

    // Opening the screen lists every code.
    void open();

signals:
    void exitRequested();

private:
    void refreshList();
    void emptyBoxes();
    QString checkCode(const QString& text);
    void codeAccepted(const QString& text);
    void storeText(int field, const QString& text);
    void load(const QString& code);
    void chooseLine(QListWidgetItem* item);
    void deleteCode();

    core::DataMaster& m_data;
    QString m_code; // the code whose record the boxes edit
    QLineEdit* m_codeBox;
    std::array<QLineEdit*, 6> m_texts{}; // title, user defined 1..5
    QListWidget* m_list;
    QPushButton* m_delete;
    QPushButton* m_updateList;
    QPushButton* m_exit;
};

} // namespace judging
