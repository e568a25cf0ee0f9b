#pragma once

// The desktop's clipboard is not the movies': through a text field's copy and paste (TextInput,
// TextEdit and the controls built on them) a movie could read what the user copied elsewhere (a
// password) or replace it, and no movie needs to. The program gives Qt's clipboard functions its
// own definitions (QClipboard::text, mimeData, setText, setMimeData, clear), which Qt Quick calls
// in place of Qt's: outside a movie they go on to Qt's, but while a movie's script runs, or while
// a movie handles the user's keys and mouse, reading finds the clipboard empty and writing
// changes nothing. The window's own commands and widgets copy and paste as before.

// While one exists, the GUI thread delivers the user's input to a movie.
class MovieInput
{
public:
    MovieInput();
    ~MovieInput();
    MovieInput(const MovieInput&) = delete;
    MovieInput& operator=(const MovieInput&) = delete;
};

// Whether a use of the clipboard now would be a movie's.
bool clipboardUseIsAMovies();
