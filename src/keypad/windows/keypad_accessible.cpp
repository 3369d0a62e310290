#include "keypad/windows/keypad_accessible.h"

#include "keypad/windows/keyimage.h"
#include "keypad/windows/umain.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>

namespace keypad {

namespace {

class KeyAccessible : public QAccessibleWidget {
public:
    explicit KeyAccessible(KeyImage* key) : QAccessibleWidget(key, QAccessible::Button) {}

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // Later, from the event loop: a key may open a modal dialog (settings, degrees), which
        // must not hold up the screen reader's call.
        QPointer<KeyImage> key = static_cast<KeyImage*>(widget());
        QTimer::singleShot(0, key, [key] {
            if (key)
                key->owner()->KlavTlac(key->objectName());
        });
    }
};

QAccessibleInterface* keypadFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("keypad::KeyImage"))
        return new KeyAccessible(static_cast<KeyImage*>(object));
    if (className == QLatin1String("keypad::Tmain"))
        return new QAccessibleWidget(static_cast<Tmain*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installKeypadAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(keypadFactory);
        return true;
    }();
    (void)installed;
}

} // namespace keypad
