#include "core/ui/gotomenu.h"

#include "core/ui/screens.h"

#include <QMenu>
#include <QMenuBar>

namespace core {

QMenu* AddGotoMenu(QMenuBar* bar, Screens& screens)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Goto"));
    menu->setObjectName(QStringLiteral("gotoMenu"));
    QAction* exit = menu->addAction(QStringLiteral("E&xit"), &screens, &Screens::Exit);
    exit->setObjectName(QStringLiteral("gotoExit"));
    menu->addSeparator();
    const struct
    {
        const char* text;
        const char* name;
        int screen;
    } items[] = {{"&Main", "gotoMain", MainScreen},
                 {"&Archive", "gotoArchive", ArchiveScreen},
                 {"&Judging Contests", "gotoJudging", JudgingScreen},
                 {"&Quiz Contests", "gotoQuiz", QuizScreen},
                 {"&Shooting Sports Contests", "gotoShooting", ShootingScreen},
                 {"&Utilities", "gotoUtilities", UtilitiesScreen}};
    for (const auto& item : items) {
        const int screen = item.screen;
        QAction* action = menu->addAction(QString::fromLatin1(item.text), &screens, [&screens, screen] {
            screens.ShowScreen({screen});
        });
        action->setObjectName(QString::fromLatin1(item.name));
        action->setEnabled(screens.ready());
        QObject::connect(&screens, &Screens::readyChanged, action, &QAction::setEnabled);
    }
    return menu;
}

} // namespace core
