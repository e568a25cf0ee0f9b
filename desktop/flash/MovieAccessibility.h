#pragma once

class QObject;
class QQuickItem;
class QWidget;

// A movie's controls as a screen reader meets them. Qt Quick draws a movie in a window of its own
// that is never shown; left alone, its controls would name that hidden window as their parent,
// which does not list them, and a screen reader would pass them over. Here every control that a
// movie makes accessible (a Quick control, an item with `Accessible.role`) is a child of the
// player that shows the movie, at its place among the player's children, with its place on the
// screen; it is focused only while the player has the keyboard. A slider tells its range and
// step, and a text marked `Accessible.role: Accessible.StaticText` can be read word by word.
namespace MovieAccessibility {

// Makes the controls of the movies that `player` shows its children; `player` draws them in
// `quickWindow`.
void adopt(QWidget* player, QObject* quickWindow);

// After a movie loaded: its controls are the player's from then on.
void movieLoaded();

// Tells a screen reader that `control`, an item of a movie, has the keyboard's focus.
void announceFocus(QQuickItem* control);

} // namespace MovieAccessibility
