#include "flash/MovieClipboard.h"

#include "flash/ScriptWatchdog.h"

#include <QClipboard>
#include <QMimeData>

#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace {

int movieInputDepth = 0; // GUI thread only

// Qt's own definition of a clipboard function (the next one after the program's).
template <typename Function> Function qtsOwn(const char* name)
{
    static_assert(sizeof(Function) == sizeof(void*));
    void* found = dlvsym(RTLD_NEXT, name, "Qt_6");
    if (!found) {
        found = dlsym(RTLD_NEXT, name);
    }
    Function function = nullptr;
    std::memcpy(&function, &found, sizeof function);
    return function;
}

// One line, once: a movie tries it again and again.
void sayRefused()
{
    static bool said = false;
    if (!said) {
        said = true;
        std::fputs("velmora2: a movie used the clipboard: refused, as every later use by a movie\n", stderr);
    }
}

const QMimeData* emptyData()
{
    static const QMimeData* const empty = new QMimeData;
    return empty;
}

} // namespace

MovieInput::MovieInput()
{
    ++movieInputDepth;
}

MovieInput::~MovieInput()
{
    --movieInputDepth;
}

bool clipboardUseIsAMovies()
{
    return movieInputDepth > 0 || ScriptWatchdog::instance().anyScriptRunning();
}

// The program's definitions of Qt's functions. A movie reaches them only through Qt Quick, whose
// calls into Qt's GUI library the dynamic linker binds to the program's definitions first.

QString QClipboard::text(Mode mode) const
{
    using Own = QString (*)(const QClipboard*, Mode);
    static const Own own = qtsOwn<Own>("_ZNK10QClipboard4textENS_4ModeE");
    if (clipboardUseIsAMovies() || !own) {
        sayRefused();
        return {};
    }
    return own(this, mode);
}

QString QClipboard::text(QString& subtype, Mode mode) const
{
    using Own = QString (*)(const QClipboard*, QString&, Mode);
    static const Own own = qtsOwn<Own>("_ZNK10QClipboard4textER7QStringNS_4ModeE");
    if (clipboardUseIsAMovies() || !own) {
        sayRefused();
        return {};
    }
    return own(this, subtype, mode);
}

const QMimeData* QClipboard::mimeData(Mode mode) const
{
    using Own = const QMimeData* (*)(const QClipboard*, Mode);
    static const Own own = qtsOwn<Own>("_ZNK10QClipboard8mimeDataENS_4ModeE");
    if (clipboardUseIsAMovies() || !own) {
        sayRefused();
        return emptyData();
    }
    return own(this, mode);
}

void QClipboard::setText(const QString& text, Mode mode)
{
    using Own = void (*)(QClipboard*, const QString&, Mode);
    static const Own own = qtsOwn<Own>("_ZN10QClipboard7setTextERK7QStringNS_4ModeE");
    if (clipboardUseIsAMovies() || !own) {
        sayRefused();
        return;
    }
    own(this, text, mode);
}

void QClipboard::setMimeData(QMimeData* data, Mode mode)
{
    using Own = void (*)(QClipboard*, QMimeData*, Mode);
    static const Own own = qtsOwn<Own>("_ZN10QClipboard11setMimeDataEP9QMimeDataNS_4ModeE");
    if (clipboardUseIsAMovies() || !own) {
        sayRefused();
        delete data; // the clipboard would have owned it
        return;
    }
    own(this, data, mode);
}

void QClipboard::clear(Mode mode)
{
    using Own = void (*)(QClipboard*, Mode);
    static const Own own = qtsOwn<Own>("_ZN10QClipboard5clearENS_4ModeE");
    if (clipboardUseIsAMovies() || !own) {
        sayRefused();
        return;
    }
    own(this, mode);
}
