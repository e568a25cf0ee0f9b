#include "window/WindowAccessibility.h"

#include "flash/ControlKeys.h"
#include "window/ModelTexts.h"

#include "model/SceneDescription.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QTimer>

using namespace velmora;

namespace {

constexpr int ringThickness = 5;

// The keyboard's mark around one of the window's own controls, as the movies draw theirs: a blue
// ring with a white edge.
class FocusRing : public QWidget
{
public:
    explicit FocusRing(QWidget* parent) : QWidget(parent)
    {
        setObjectName("focusRing");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
        painter.setPen(QPen(QColor(0x10, 0x60, 0xd0), 3));
        painter.drawRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 4, 4);
    }
};

// The graph's information icon is a picture that opens the explanation: a screen reader presents
// it as a button that it can press.
class InformationIcon : public QAccessibleWidget
{
public:
    explicit InformationIcon(QWidget* icon) : QAccessibleWidget(icon, QAccessible::Button) {}
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            QMetaObject::invokeMethod(widget()->window(), "Image1Click", Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

constexpr const char* sentenceProperty = "velmoraSentence";

// The scene and the graph say what they show when a screen reader asks, without telling it of each
// change: the running experiment is told by the spoken notice, at its own pace.
class TellsWhatItShows : public QAccessibleWidget
{
public:
    explicit TellsWhatItShows(QWidget* surface) : QAccessibleWidget(surface, QAccessible::Client) {}
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description) {
            return widget()->property(sentenceProperty).toString();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* windowControlFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLabel") && object->objectName() == QLatin1String("Image1") &&
        object->property("opensGraphExplanation").toBool()) {
        return new InformationIcon(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("DrawingSurface") && object->property(sentenceProperty).isValid()) {
        return new TellsWhatItShows(static_cast<QWidget*>(object));
    }
    return nullptr;
}

bool isKeyboardReason(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

} // namespace

WindowAccessibility::WindowAccessibility(QMainWindow* window, const World& world)
    : QObject(window), world_(world), words_(translatedSentenceWords()), window_(window),
      scene_(window->findChild<QWidget*>("DXDraw1")), graph_(window->findChild<QWidget*>("EcranSub")),
      information_(window->findChild<QLabel*>("Image1")),
      percent_(window->findChild<QCheckBox*>("CheckBox1")), sceneTimer_(window->findChild<QTimer*>("Timer1")),
      ring_(new FocusRing(window->centralWidget())), notice_(window->centralWidget())
{
    static const bool factoryInstalled = (QAccessible::installFactory(windowControlFactory), true);
    (void)factoryInstalled;
    information_->setProperty("opensGraphExplanation", true);
    scene_->setProperty(sentenceProperty, QString());
    graph_->setProperty(sentenceProperty, QString());

    scene_->setAccessibleName(tr("Molécules"));
    graph_->setAccessibleName(tr("Graphique\u00a0: substrat en fonction du temps"));
    information_->setAccessibleName(information_->toolTip());
    percent_->setAccessibleName(tr("Graphique en pourcentage"));
    percent_->setAccessibleDescription(tr("Décochée\u00a0: en unités arbitraires (UA), des molécules"));
    window->findChild<QLabel*>("Label11")->setAccessibleName(
        tr("Graphique\u00a0: substrat en fonction du temps"));
    window->findChild<QLabel*>("LabelPourcent")->setAccessibleDescription(tr("Haut de l’axe du graphique"));
    window->findChild<QLabel*>("LabelPourcent0")->setAccessibleDescription(tr("Bas de l’axe du graphique"));
    window->findChild<QLabel*>("LabelTemps")->setAccessibleDescription(tr("Temps écoulé"));
    QWidget* legend = window->findChild<QWidget*>("FlashLegende");
    QWidget* panel = window->findChild<QWidget*>("FlashBut");
    legend->setAccessibleName(tr("Légende et commentaire"));
    panel->setAccessibleName(tr("Panneau de commande"));

    // Tab goes through the quarters as they are read: the scene, the graph (its header's icon, the
    // curves, the "pourcentage" box), the legend, the control panel. The scene, the icon and the
    // curves take the focus from the keyboard only.
    scene_->setFocusPolicy(Qt::TabFocus);
    information_->setFocusPolicy(Qt::TabFocus);
    graph_->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(scene_, information_);
    QWidget::setTabOrder(information_, graph_);
    QWidget::setTabOrder(graph_, percent_);
    QWidget::setTabOrder(percent_, legend);
    QWidget::setTabOrder(legend, panel);
    for (QWidget* control :
         {scene_, static_cast<QWidget*>(information_), graph_, static_cast<QWidget*>(percent_)}) {
        control->installEventFilter(this);
    }
    connect(percent_, &QCheckBox::toggled, this, [this] { publish(false); });
    publish(false);
    notice_.settle(scene_->property(sentenceProperty).toString(),
                   graph_->property(sentenceProperty).toString());
}

void WindowAccessibility::followUpdate(const WindowUpdate& update)
{
    // A timer switched: a start, a pause, a stop.
    const bool now = update.sceneTimer.has_value() || update.tickTimer.has_value();
    if (now || update.elapsedSeconds || update.redrawGraph || update.blankScene) {
        publish(now);
    }
}

void WindowAccessibility::publish(bool now)
{
    const SceneFacts scene = sceneFacts(world_, !sceneTimer_->isActive());
    const QString sceneText = QString::fromStdString(sceneSentence(scene, words_));
    const QString graphText =
        QString::fromStdString(graphSentence(graphFacts(world_, percent_->isChecked()), words_));
    scene_->setProperty(sentenceProperty, sceneText);
    graph_->setProperty(sentenceProperty, graphText);
    // The last molecule of substrate is told at once.
    const std::int32_t left = scene.running ? scene.substrate.count : -1;
    const bool substrateGone = left == 0 && substrateLeft_ > 0;
    substrateLeft_ = left;
    notice_.offer(sceneText, graphText, now || substrateGone);
}

bool WindowAccessibility::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Back in the window after a dialog, a control keeps the focus the keyboard gave it.
        if (isKeyboardReason(reason) ||
            (reason == Qt::ActiveWindowFocusReason && focusedByKeyboard_ == control)) {
            focusedByKeyboard_ = control;
            showRing(control);
        } else {
            focusedByKeyboard_ = nullptr;
        }
        break;
    }
    case QEvent::FocusOut:
        ring_->hide();
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            focusedByKeyboard_ = nullptr;
        }
        break;
    case QEvent::ShortcutOverride: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        const bool taken = focusedByKeyboard_ == control &&
                           ((control == percent_ && isPlainSpace(key)) ||
                            (control == information_ && (isPlainSpace(key) || isPlainEnter(key))));
        if (taken) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (control == information_ && (isPlainSpace(key) || isPlainEnter(key))) {
            if (!key.isAutoRepeat()) {
                QMetaObject::invokeMethod(window_, "Image1Click", Qt::QueuedConnection);
            }
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowAccessibility::showRing(QWidget* around)
{
    QWidget* client = ring_->parentWidget();
    const QRect shown(around->mapTo(client, QPoint(0, 0)), around->size());
    ring_->setGeometry(shown.adjusted(-ringThickness, -ringThickness, ringThickness, ringThickness)
                           .intersected(client->rect()));
    ring_->raise();
    ring_->show();
}
