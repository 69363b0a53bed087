#pragma once

#include "core/installpaths.h"
#include "platform/dialogs.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace testsupport {

// A known state for one test: a temporary drives root, a pinned clock and random seed, the C
// locale and scripted message boxes.
class TestEnv
{
public:
    TestEnv();
    ~TestEnv();

    QString root() const { return m_dir.path(); }
    QString host(const QString& dosPath) const; // host path of a drive-letter path
    // A fresh installation on a drive ("C:"); its paths as the drive scan finds them.
    core::InstallPaths install(const QString& drive = QStringLiteral("C:"));
    void makeDrive(QChar letter);

    platform::ScriptedDialogs dialogs;

private:
    QTemporaryDir m_dir;
};

QDateTime pinnedNow();

// The committed text of a golden file; with MARVOLEN_REGENERATE set the file is first written
// anew from `actual` (review it before committing).
QString golden(const QString& path, const QString& actual);
QByteArray golden(const QString& path, const QByteArray& actual);

} // namespace testsupport
