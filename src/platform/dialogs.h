#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace platform {

// Modal message boxes of the window system, replaceable by a scripted double in tests.
class Dialogs
{
public:
    enum class Kind { Error, Warning, Information, Confirmation };
    enum Button { Ok = 1, Cancel = 2, Yes = 4, No = 8, Retry = 16, Abort = 32, Ignore = 64, All = 128 };
    using Buttons = int;

    virtual ~Dialogs() = default;

    // Shows `text` ("\r" breaks the line) with exactly the given buttons; returns the one chosen.
    virtual Button message(Kind kind, const QString& text, Buttons buttons) = 0;
    virtual void beep() = 0;
    virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;

    static Dialogs& instance();
    // Installs a replacement (tests); nullptr goes back to the real boxes. Not owned.
    static void install(Dialogs* dialogs);

    // Shorthands used throughout the program.
    static void error(const QString& text, Buttons buttons = Ok) { instance().message(Kind::Error, text, buttons); }
    static void warning(const QString& text) { instance().message(Kind::Warning, text, Ok); }
    static void information(const QString& text) { instance().message(Kind::Information, text, Ok); }
    // Warning with the beep, the way refused entries are reported.
    static void refuse(const QString& text);
    // The confirmation before deleting or clearing: OK and No, true only on OK.
    static bool confirm(const QString& text);
    static void beepOnce() { instance().beep(); }
};

// The real boxes (QMessageBox, QApplication::beep, QFileDialog).
class WidgetDialogs : public Dialogs
{
public:
    Button message(Kind kind, const QString& text, Buttons buttons) override;
    void beep() override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
};

// Test double: records every message and answers from a queue; the default answer is the
// first button offered in the order Ok, Yes, Retry, Cancel, No.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
        Buttons buttons;
    };

    ScriptedDialogs() { install(this); }
    ~ScriptedDialogs() override { install(nullptr); }

    Button message(Kind kind, const QString& text, Buttons buttons) override;
    void beep() override { ++beeps; }
    QString openFileName(const QString&, const QString&, const QString&) override;

    void answer(Button button) { m_answers.append(button); }
    void answerFile(const QString& path) { m_files.append(path); }
    QStringList texts() const;
    QString last() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void clear()
    {
        shown.clear();
        beeps = 0;
    }

    QList<Shown> shown;
    int beeps = 0;

private:
    QList<Button> m_answers;
    QStringList m_files;
};

} // namespace platform
