#include "flash/MovieAccessibility.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTextDocumentFragment>
#include <QWidget>
#include <QtQuick/private/qaccessiblequickitem_p.h>
#include <QtQuick/private/qquickaccessibleattached_p.h>
#include <QtQuick/private/qquickitem_p.h>

namespace {

constexpr const char* playerProperty = "velmoraMoviePlayer";

QWidget* playerOf(const QQuickItem* item)
{
    const QQuickWindow* window = item->window();
    return window ? qobject_cast<QWidget*>(window->property(playerProperty).value<QObject*>()) : nullptr;
}

// An accessible item of a movie, seen through the player that shows it.
class MovieControl : public QAccessibleQuickItem
{
public:
    using QAccessibleQuickItem::QAccessibleQuickItem;

    QWindow* window() const override
    {
        QWidget* player = playerOf(item());
        return player && player->window()->windowHandle() ? player->window()->windowHandle()
                                                          : QAccessibleQuickItem::window();
    }

    // Where the player shows the item, on the screen.
    QRect rect() const override
    {
        QWidget* player = playerOf(item());
        if (!player || !item()->isVisible()) {
            return QAccessibleQuickItem::rect();
        }
        const QRectF shown = item()->mapRectToScene(QRectF(0, 0, item()->width(), item()->height()));
        return {player->mapToGlobal(shown.topLeft().toPoint()), shown.size().toSize()};
    }

    // An item at the top of the movie belongs to the player, not to the window that draws it.
    QAccessibleInterface* parent() const override
    {
        QAccessibleInterface* above = QAccessibleQuickItem::parent();
        QWidget* player = playerOf(item());
        if (player && (!above || above->object() == item()->window())) {
            return QAccessible::queryAccessibleInterface(player);
        }
        return above;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleQuickItem::state();
        if (QWidget* player = playerOf(item())) {
            // The item keeps the focus within its movie while the keyboard is elsewhere.
            state.focused = state.focused && player->hasFocus();
            state.invisible = state.invisible || !player->isVisible();
        }
        return state;
    }

    // A screen reader's press clicks a Quick button, which does not answer it itself; a control of
    // the movie's own making answers with `Accessible.onPressAction`.
    void doAction(const QString& action) override
    {
        QQuickAccessibleAttached* attached = QQuickAccessibleAttached::attachedProperties(item());
        if (attached && attached->doAction(action)) {
            return;
        }
        if (action == pressAction() && item()->inherits("QQuickAbstractButton") && item()->isEnabled()) {
            if (item()->property("checkable").toBool()) {
                QMetaObject::invokeMethod(item(), "toggle");
            }
            QMetaObject::invokeMethod(item(), "clicked");
            return;
        }
        QAccessibleQuickItem::doAction(action);
    }

    // Quick's sliders name their ends `from` and `to`.
    QVariant maximumValue() const override { return either("maximumValue", "to"); }
    QVariant minimumValue() const override { return either("minimumValue", "from"); }

    QString text(QAccessible::Text kind) const override
    {
        const QString said = QAccessibleQuickItem::text(kind);
        if (!isReadable()) {
            return said;
        }
        if (kind == QAccessible::Value ||
            (kind == QAccessible::Name && (said.isEmpty() || said == item()->property("text").toString()))) {
            return plainText();
        }
        return said;
    }

    // A text is read by the screen reader's review keys, word by word or line by line.
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && isReadable()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleQuickItem::interface_cast(type);
    }
    int characterCount() const override
    {
        return isReadable() ? int(plainText().size()) : QAccessibleQuickItem::characterCount();
    }
    QString text(int start, int end) const override
    {
        return isReadable() ? plainText().mid(start, end - start) : QAccessibleQuickItem::text(start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override
    {
        return isReadable() ? QAccessibleTextInterface::textBeforeOffset(offset, boundary, start, end)
                            : QAccessibleQuickItem::textBeforeOffset(offset, boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override
    {
        return isReadable() ? QAccessibleTextInterface::textAfterOffset(offset, boundary, start, end)
                            : QAccessibleQuickItem::textAfterOffset(offset, boundary, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override
    {
        return isReadable() ? QAccessibleTextInterface::textAtOffset(offset, boundary, start, end)
                            : QAccessibleQuickItem::textAtOffset(offset, boundary, start, end);
    }
    int cursorPosition() const override { return isReadable() ? 0 : QAccessibleQuickItem::cursorPosition(); }
    int selectionCount() const override { return isReadable() ? 0 : QAccessibleQuickItem::selectionCount(); }

private:
    QVariant either(const char* name, const char* quickName) const
    {
        const QVariant value = item()->property(name);
        return value.isValid() ? value : item()->property(quickName);
    }

    bool isReadable() const
    {
        return role() == QAccessible::StaticText && item()->property("text").isValid();
    }

    // The words, without the markup of styled text.
    QString plainText() const
    {
        const QString text = item()->property("text").toString();
        enum
        {
            plain = 0,
            automatic = 2
        }; // Text.PlainText, Text.AutoText
        const int format = item()->property("textFormat").toInt();
        if (format == plain || (format == automatic && !Qt::mightBeRichText(text))) {
            return text;
        }
        return QTextDocumentFragment::fromHtml(text).toPlainText();
    }
};

QAccessibleInterface* movieControlFactory(const QString& cn, QObject* object)
{
    auto* item = qobject_cast<QQuickItem*>(object);
    // Every accessible item is a movie's, and may not be in its player yet.
    if (!item || !QQuickItemPrivate::get(item)->isAccessible) {
        return nullptr;
    }
    return new MovieControl(item);
}

} // namespace

namespace MovieAccessibility {

void adopt(QWidget* player, QObject* quickWindow)
{
    movieLoaded();
    quickWindow->setProperty(playerProperty, QVariant::fromValue<QObject*>(player));
}

void movieLoaded()
{
    // Qt Quick installs its own factory when a first document imports it; the factory installed
    // last is asked first.
    QAccessible::removeFactory(movieControlFactory);
    QAccessible::installFactory(movieControlFactory);
}

void announceFocus(QQuickItem* control)
{
    if (!control || !QAccessible::isActive() || !QQuickItemPrivate::get(control)->isAccessible) {
        return;
    }
    QAccessibleEvent focus(control, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace MovieAccessibility
