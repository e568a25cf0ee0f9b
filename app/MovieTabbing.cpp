#include "app/MovieTabbing.h"

#include "flash/TShockwaveFlash.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWindow>

namespace {

class MovieTabbing : public QObject
{
public:
    explicit MovieTabbing(TShockwaveFlash* movie) : QObject(movie), movie_(movie) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != movie_) {
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
                return false;
            }
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
                return atEnd(forward) && leave(forward);
            }
        } else if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
                if (QQuickItem* control = end(reason == Qt::TabFocusReason)) {
                    control->forceActiveFocus(reason);
                }
            }
        }
        return false;
    }

private:
    // The movie's first control in the Tab order (its last, going back); null when it has none.
    QQuickItem* end(bool first) const
    {
        QQuickItem* root = movie_->movieRoot();
        QQuickItem* control = root ? root->nextItemInFocusChain(first) : nullptr;
        return control == root ? nullptr : control;
    }

    // Whether Tab would go round from the movie's last control to its first (or back).
    bool atEnd(bool forward) const
    {
        const QQuickItem* last = end(!forward);
        return !last || movie_->quickWindow()->activeFocusItem() == last;
    }

    // Gives the focus to the window's next control that takes it by Tab; false when there is none.
    bool leave(bool forward)
    {
        for (QWidget* next = forward ? movie_->nextInFocusChain() : movie_->previousInFocusChain();
             next != movie_; next = forward ? next->nextInFocusChain() : next->previousInFocusChain()) {
            if (next->window() == movie_->window() && next->isVisible() && next->isEnabled() &&
                (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()) {
                next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return false;
    }

    TShockwaveFlash* movie_;
};

} // namespace

void letTabLeaveMovie(TShockwaveFlash* movie)
{
    movie->installEventFilter(new MovieTabbing(movie));
}
