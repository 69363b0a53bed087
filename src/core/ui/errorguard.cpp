#include "core/ui/errorguard.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/keyedtable.h"

namespace core {

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::StorageError& e) {
        platform::Dialogs::error(e.message());
    } catch (const platform::FileError& e) {
        platform::Dialogs::error(e.message());
    } catch (const std::exception& e) {
        platform::Dialogs::error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace core
