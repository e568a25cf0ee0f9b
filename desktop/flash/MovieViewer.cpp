#include "flash/MovieViewer.h"

#include "flash/TShockwaveFlash.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

MovieViewer::MovieViewer(const QString& folder, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), movieDir(folder)
{
    setModal(true);
}

void MovieViewer::createPlayer(QWidget* holder)
{
    auto* fill = new QVBoxLayout(holder);
    fill->setContentsMargins(0, 0, 0, 0);
    Flash = new TShockwaveFlash(holder);
    Flash->setObjectName("Flash");
    fill->addWidget(Flash);
    connect(Flash, &TShockwaveFlash::FSCommand, this,
            [this](const QString& command, const QString& args) { FlashFSCommand(command, args); });

    // Esc reaches the window before the movie, wherever the keyboard is.
    Flash->installEventFilter(this);
    installEventFilter(this);
    closeButton_ = new QToolButton(this);
    closeButton_->setObjectName("closeViewer");
    closeButton_->setText(QStringLiteral("\u00d7"));
    closeButton_->setToolTip(tr("Fermer (Échap)"));
    closeButton_->setAccessibleName(tr("Fermer"));
    closeButton_->setFocusPolicy(Qt::TabFocus);
    closeButton_->setStyleSheet(QStringLiteral(
        "QToolButton { background: rgba(255, 255, 255, 215); color: #333; border: 1px solid #888; "
        "border-radius: 4px; font-size: 18px; font-weight: bold; }"
        "QToolButton:hover { background: #fff; color: #000; }"
        "QToolButton:focus { border: 2px solid #1e64c8; }"));
    closeButton_->resize(30, 30);
    connect(closeButton_, &QToolButton::clicked, this, &QDialog::close);
}

bool MovieViewer::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            close();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void MovieViewer::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (closeButton_) {
        closeButton_->move(width() - closeButton_->width() - 6, 6);
        closeButton_->raise();
    }
}

QString MovieViewer::moviePath(const QString& file) const
{
    return movieDir + "/anims/" + file;
}
