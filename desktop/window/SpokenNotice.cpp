#include "window/SpokenNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

const QString noticeName = QStringLiteral("spokenNotice");

class Notice : public QAccessibleWidget
{
public:
    explicit Notice(QWidget* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}
};

QAccessibleInterface* noticeFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QWidget") && object->objectName() == noticeName) {
        return new Notice(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

SpokenNotice::SpokenNotice(QWidget* parent) : notice_(new QWidget(parent))
{
    static const bool factoryInstalled = (QAccessible::installFactory(noticeFactory), true);
    (void)factoryInstalled;
    notice_->setObjectName(noticeName);
    notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice_->setFocusPolicy(Qt::NoFocus);
    notice_->setGeometry(0, 0, 1, 1);
    notice_->lower();
    notice_->hide();
}

void SpokenNotice::settle(const QString& main, const QString& more)
{
    notice_->setAccessibleName(main);
    notice_->setAccessibleDescription(more);
}

void SpokenNotice::offer(const QString& main, const QString& more, bool now)
{
    if (main == notice_->accessibleName() && more == notice_->accessibleDescription()) {
        return;
    }
    if (!now && since_.isValid() && since_.elapsed() < pace) {
        return;
    }
    since_.start();
    settle(main, more);
    // Hidden and shown again: the screen reader hears of it as of a new notification.
    notice_->hide();
    notice_->show();
}
