#include "flash/TShockwaveFlash.h"

#include "flash/ControlKeys.h"
#include "flash/MovieAccessibility.h"
#include "flash/MovieClipboard.h"
#include "flash/MovieWindows.h"
#include "flash/ScriptWatchdog.h"
#include "render/SpriteImageProvider.h"
#include "render/SpriteSet.h"

#include <QAccessible>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTextStream>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int visibilityProperty = 7;

// Drawn by the CPU: no graphics card is needed, and every machine shows the same pixels.
void useSoftwareRendering()
{
    static const bool done = [] {
        MovieSandbox::lockDownProcess();
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        return true;
    }();
    (void)done;
}

// The controls that Tab visits in a movie, in their order.
QList<QQuickItem*> tabChain(QQuickWindow* window)
{
    QList<QQuickItem*> chain;
    QQuickItem* start = window->contentItem();
    for (QQuickItem* item = start->nextItemInFocusChain(true); item && item != start && !chain.contains(item);
         item = item->nextItemInFocusChain(true)) {
        chain.append(item);
    }
    return chain;
}

enum class KeysTaken
{
    none,
    space,         // a check box
    spaceAndEnter, // a button
};

// The keys that a focused control takes before the window's shortcut keys: only when the keyboard
// brought the focus there (a control clicked with the mouse leaves Space and Enter to the window).
KeysTaken keysTakenBy(QQuickItem* control)
{
    if (!control) {
        return KeysTaken::none;
    }
    const QVariant byKeyboard = control->property("visualFocus");
    if (byKeyboard.isValid() && !byKeyboard.toBool()) {
        return KeysTaken::none;
    }
    if (control->inherits("QQuickAbstractButton")) {
        return control->property("checkable").toBool() ? KeysTaken::space : KeysTaken::spaceAndEnter;
    }
    // A control of the movie's own making says what it is to the screen readers.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    switch (accessible ? accessible->role() : QAccessible::NoRole) {
    case QAccessible::Button:
        return KeysTaken::spaceAndEnter;
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
        return KeysTaken::space;
    default:
        return KeysTaken::none;
    }
}

// The keys that a Quick slider leaves to its movie: Up and Down as Right and Left, Page Up and Page
// Down by a tenth of its range, Home and End to its ends. False for another control or key.
bool moveSlider(QQuickItem* control, const QKeyEvent& key)
{
    if (!control || !control->inherits("QQuickSlider") || key.modifiers() != Qt::NoModifier) {
        return false;
    }
    const double from = control->property("from").toDouble();
    const double to = control->property("to").toDouble();
    const double value = control->property("value").toDouble();
    const double step = control->property("stepSize").toDouble() > 0
                            ? control->property("stepSize").toDouble()
                            : std::abs(to - from) / 100;
    const double page = std::max(step, std::floor(std::abs(to - from) / 10 / step) * step);
    double target = value;
    switch (key.key()) {
    case Qt::Key_Up:
        target = value + step;
        break;
    case Qt::Key_Down:
        target = value - step;
        break;
    case Qt::Key_PageUp:
        target = value + page;
        break;
    case Qt::Key_PageDown:
        target = value - page;
        break;
    case Qt::Key_Home:
        target = from;
        break;
    case Qt::Key_End:
        target = to;
        break;
    default:
        return false;
    }
    target = std::clamp(target, std::min(from, to), std::max(from, to));
    if (target != value) {
        control->setProperty("value", target);
        QMetaObject::invokeMethod(control, "moved");
    }
    return true;
}

bool isTakenBy(QQuickItem* control, const QKeyEvent& key)
{
    const KeysTaken taken = keysTakenBy(control);
    if (isPlainSpace(key)) {
        return taken != KeysTaken::none;
    }
    return isPlainEnter(key) && taken == KeysTaken::spaceAndEnter;
}

} // namespace

TShockwaveFlash::TShockwaveFlash(QWidget* parent) : QQuickWidget((useSoftwareRendering(), parent))
{
    engine()->addUrlInterceptor(&sandbox_);
    engine()->setNetworkAccessManagerFactory(&network_);
    engine()->addImportPath("qrc:/");
    engine()->addImageProvider("sprites", new SpriteImageProvider(SpriteSet::shared()));
    setResizeMode(QQuickWidget::SizeRootObjectToView);
    setClearColor(Qt::transparent);
    ScriptWatchdog::instance().watch(engine());
    refuseMovieWindows();
    connect(quickWindow(), &QQuickWindow::activeFocusItemChanged, this,
            &TShockwaveFlash::followFocusedControl);
    MovieAccessibility::adopt(this, quickWindow());
}

TShockwaveFlash::~TShockwaveFlash()
{
    // The movie and its scene go before the widget, so that their pictures go with them.
    setSource(QUrl());
    quickWindow()->releaseResources();
    ScriptWatchdog::instance().forget(engine());
}

void TShockwaveFlash::setMovie(const QString& path)
{
    const ScriptWatchdog::Busy busy; // movie code runs: an endless script is interrupted
    moviePath_ = path;
    const QFileInfo file(path);
    sandbox_.setMovieFolder(file.absolutePath());
    setSource(QUrl());
    engine()->clearComponentCache();
    showNotice({});
    ScriptWatchdog::instance().newMovie(engine(), path);
    QTextStream err(stderr);
    if (!file.isFile()) {
        err << "velmora2: the movie " << path << " cannot be shown: there is no such file\n";
        showNotice(tr("Animation introuvable\u00a0: %1").arg(file.fileName()));
        return;
    }
    setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    if (const QList<MovieSandbox::Refusal> refused = sandbox_.refusals(); !refused.isEmpty()) {
        // Even when the movie loaded without it: what it brought is told, and it is not shown.
        setSource(QUrl());
        engine()->clearComponentCache();
        err << "velmora2: the movie " << path << " is refused: " << refused.first().file << ": "
            << refused.first().reason << '\n';
        const MovieSandbox::Refusal& first = refused.first();
        showNotice(first.nativeCode
                       ? tr("Animation refusée\u00a0: «\u00a0%1\u00a0» ferait exécuter du code au logiciel")
                             .arg(first.file)
                       : tr("Animation refusée\u00a0: «\u00a0%1\u00a0» prend le nom d’un module installé")
                             .arg(first.file));
        return;
    }
    if (status() == QQuickWidget::Error || !movieRoot()) {
        err << "velmora2: the movie " << path << " cannot be shown:\n";
        for (const QQmlError& error : errors()) {
            err << "  " << error.toString() << '\n';
        }
        showNotice(tr("Animation illisible\u00a0: %1").arg(file.fileName()));
        return;
    }
    MovieAccessibility::movieLoaded();
    connect(movieRoot(), SIGNAL(fsCommand(QString, QString)), this, SIGNAL(FSCommand(QString, QString)),
            Qt::QueuedConnection);
}

void TShockwaveFlash::showNotice(const QString& text)
{
    if (!notice_) {
        if (text.isEmpty()) {
            return;
        }
        // Over the empty player, filling it, so that a teacher sees which file to repair.
        notice_ = new QLabel(this);
        notice_->setObjectName("movieNotice");
        notice_->setAlignment(Qt::AlignCenter);
        notice_->setWordWrap(true);
        notice_->setMargin(12);
        QFont font = notice_->font();
        font.setPointSize(12);
        notice_->setFont(font);
        auto* fill = new QVBoxLayout(this);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(notice_);
    }
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
}

void TShockwaveFlash::followFocusedControl()
{
    // Qt offers the window's shortcut keys to the focused item itself, not to this widget.
    if (focusedControl_) {
        focusedControl_->removeEventFilter(this);
    }
    focusedControl_ = quickWindow()->activeFocusItem();
    if (focusedControl_) {
        focusedControl_->installEventFilter(this);
    }
}

void TShockwaveFlash::announceFocusedControl()
{
    // Entering the player, Qt Quick tells of the control, then the window of the player itself: the
    // control is told again, last.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) {
                MovieAccessibility::announceFocus(quickWindow()->activeFocusItem());
            }
        },
        Qt::QueuedConnection);
}

bool TShockwaveFlash::event(QEvent* event)
{
    const MovieInput movieInput; // the movie handles the user's keys and mouse: no clipboard
    return QQuickWidget::event(event);
}

bool TShockwaveFlash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == focusedControl_ && event->type() == QEvent::ShortcutOverride &&
        isTakenBy(focusedControl_, *static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QQuickWidget::eventFilter(watched, event);
}

void TShockwaveFlash::keyPressEvent(QKeyEvent* event)
{
    QQuickWidget::keyPressEvent(event);
    if (!event->isAccepted() && moveSlider(quickWindow()->activeFocusItem(), *event)) {
        event->accept();
        return;
    }
    if (event->isAccepted() || !isPlainEnter(*event) ||
        keysTakenBy(quickWindow()->activeFocusItem()) != KeysTaken::spaceAndEnter) {
        return;
    }
    // Quick's buttons answer Space only: Enter and Return press them as Space does.
    event->accept();
    if (event->isAutoRepeat()) {
        return;
    }
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(quickWindow(), &space);
    }
}

bool TShockwaveFlash::focusNextPrevChild(bool next)
{
    const QList<QQuickItem*> chain = tabChain(quickWindow());
    QQuickItem* current = quickWindow()->activeFocusItem();
    if (!chain.isEmpty() && current != (next ? chain.last() : chain.first())) {
        return QQuickWidget::focusNextPrevChild(next);
    }
    // Past the movie's last control: the window's next control, or this movie's first again when
    // it has no other.
    QWidget::focusNextPrevChild(next);
    if (hasFocus() && !chain.isEmpty()) {
        (next ? chain.first() : chain.last())
            ->forceActiveFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

void TShockwaveFlash::focusInEvent(QFocusEvent* event)
{
    QQuickWidget::focusInEvent(event);
    announceFocusedControl();
    const bool forward = event->reason() == Qt::TabFocusReason;
    if (!forward && event->reason() != Qt::BacktabFocusReason) {
        return;
    }
    const QList<QQuickItem*> chain = tabChain(quickWindow());
    if (!chain.isEmpty()) {
        (forward ? chain.first() : chain.last())->forceActiveFocus(event->reason());
    }
}

QQuickItem* TShockwaveFlash::movieRoot() const
{
    return rootObject();
}

void TShockwaveFlash::Play()
{
    const ScriptWatchdog::Busy busy;
    if (QQuickItem* root = movieRoot()) {
        root->setProperty("playing", true);
    }
}

void TShockwaveFlash::Rewind()
{
    const ScriptWatchdog::Busy busy;
    if (QQuickItem* root = movieRoot()) {
        QMetaObject::invokeMethod(root, "rewind");
    }
}

void TShockwaveFlash::GotoFrame(int frame)
{
    const ScriptWatchdog::Busy busy;
    if (QQuickItem* root = movieRoot()) {
        QMetaObject::invokeMethod(root, "gotoFrame", Q_ARG(QVariant, frame));
    }
}

void TShockwaveFlash::TGotoFrame(const QString& clip, int frame)
{
    const ScriptWatchdog::Busy busy;
    if (QObject* target = findClip(clip)) {
        QMetaObject::invokeMethod(target, "gotoFrame", Q_ARG(QVariant, frame));
    }
}

void TShockwaveFlash::SetVariable(const QString& name, const QString& value)
{
    const ScriptWatchdog::Busy busy;
    QQuickItem* root = movieRoot();
    if (!root || name.isEmpty()) {
        return;
    }
    QQmlProperty property(root, name);
    if (property.isValid()) {
        property.write(value);
    } else {
        root->setProperty(name.toUtf8().constData(), value); // a new variable
    }
}

QString TShockwaveFlash::GetVariable(const QString& name) const
{
    const ScriptWatchdog::Busy busy;
    QQuickItem* root = movieRoot();
    if (!root || name.isEmpty()) {
        return {};
    }
    const QQmlProperty property(root, name);
    const QVariant value = property.isValid() ? property.read() : root->property(name.toUtf8().constData());
    return value.isValid() ? value.toString() : QString();
}

void TShockwaveFlash::TSetProperty(const QString& clip, int property, const QString& value)
{
    const ScriptWatchdog::Busy busy;
    if (property != visibilityProperty) {
        return;
    }
    if (QObject* target = findClip(clip)) {
        target->setProperty("visible", value != "0");
    }
}

QObject* TShockwaveFlash::findClip(const QString& clip) const
{
    QQuickItem* root = movieRoot();
    if (!root) {
        return nullptr;
    }
    // A clip path may be written "legende", "/legende" or "_root.legende"; nested clips are named
    // from the outside in, separated by "/" or ".".
    QString path = clip;
    if (path.startsWith("_root")) {
        path = path.mid(5);
    }
    QObject* found = root;
    for (const QString& name : path.split(QRegularExpression("[/.]"), Qt::SkipEmptyParts)) {
        found = findMovieObject(found, name);
        if (!found) {
            return nullptr;
        }
    }
    return found == root ? nullptr : found;
}

QObject* findMovieObject(QObject* within, const QString& name)
{
    // Items a movie makes at run time (a Repeater's, a Loader's) are children of their visual
    // parent only, so both trees are searched, nearest first.
    QList<QObject*> waiting{within};
    while (!waiting.isEmpty()) {
        QObject* next = waiting.takeFirst();
        const QObjectList& children = next->children();
        for (QObject* child : children) {
            if (child->objectName() == name) {
                return child;
            }
        }
        waiting.append(children);
        if (auto* item = qobject_cast<QQuickItem*>(next)) {
            for (QQuickItem* child : item->childItems()) {
                if (child->objectName() == name) {
                    return child;
                }
                if (!children.contains(child)) {
                    waiting.append(child);
                }
            }
        }
    }
    return nullptr;
}
