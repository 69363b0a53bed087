#include "platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace platform {

namespace {
Dialogs*& installed()
{
    static Dialogs* current = nullptr;
    return current;
}
} // namespace

Dialogs& Dialogs::instance()
{
    static WidgetDialogs real;
    return installed() ? *installed() : real;
}

void Dialogs::install(Dialogs* dialogs)
{
    installed() = dialogs;
}

void Dialogs::refuse(const QString& text)
{
    instance().beep();
    warning(text);
}

bool Dialogs::confirm(const QString& text)
{
    return instance().message(Kind::Confirmation, text, Ok | No) == Ok;
}

Dialogs::Button WidgetDialogs::message(Kind kind, const QString& text, Buttons buttons)
{
    static const struct
    {
        Button ours;
        QMessageBox::StandardButton theirs;
    } map[] = {{Ok, QMessageBox::Ok},       {Cancel, QMessageBox::Cancel}, {Yes, QMessageBox::Yes},
               {No, QMessageBox::No},       {Retry, QMessageBox::Retry},   {Abort, QMessageBox::Abort},
               {Ignore, QMessageBox::Ignore}, {All, QMessageBox::YesToAll}};
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title = QStringLiteral("Information");
    switch (kind) {
    case Kind::Error:
        icon = QMessageBox::Critical;
        title = QStringLiteral("Error");
        break;
    case Kind::Warning:
        icon = QMessageBox::Warning;
        title = QStringLiteral("Warning");
        break;
    case Kind::Confirmation:
        icon = QMessageBox::Question;
        title = QStringLiteral("Confirm");
        break;
    case Kind::Information:
        break;
    }
    QMessageBox box(icon, title, QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')), QMessageBox::NoButton,
                    QApplication::activeWindow());
    for (const auto& m : map)
        if (buttons & m.ours)
            box.addButton(m.theirs);
    const int chosen = box.exec();
    for (const auto& m : map)
        if (chosen == m.theirs)
            return m.ours;
    return (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
}

void WidgetDialogs::beep()
{
    QApplication::beep();
}

QString WidgetDialogs::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

Dialogs::Button ScriptedDialogs::message(Kind kind, const QString& text, Buttons buttons)
{
    shown.append({kind, text, buttons});
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    for (Button b : {Ok, Yes, Retry, Cancel, No})
        if (buttons & b)
            return b;
    return Ok;
}

QString ScriptedDialogs::openFileName(const QString&, const QString&, const QString&)
{
    return m_files.isEmpty() ? QString() : m_files.takeFirst();
}

QStringList ScriptedDialogs::texts() const
{
    QStringList all;
    for (const Shown& s : shown)
        all << s.text;
    return all;
}

} // namespace platform
