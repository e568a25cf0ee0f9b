#pragma once

class TShockwaveFlash;

// Tab and Shift+Tab go through a panel movie's controls and then on to the window's next control
// (the graph, its check box, the other movie), which Qt Quick's widget never does by itself: it
// would keep the keyboard in the movie for ever. Entering a movie by Tab starts at its first
// control, by Shift+Tab at its last. A window with no other control to go to keeps the focus in
// the movie, going round its controls.
void letTabLeaveMovie(TShockwaveFlash* movie);
