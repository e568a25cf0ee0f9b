#include "flash/TFormInfo.h"

#include "flash/TShockwaveFlash.h"

#include <QAction>
#include <QKeyEvent>

TFormInfo::TFormInfo(const QString& folder, QSize screen, QWidget* parent)
    : MovieViewer(folder, parent), screen_(screen)
{
    setObjectName("FormInfo");
    setWindowTitle(tr("Informations"));
    const int width = screen.width() / 2;
    resize(width, width * 535 / 770);
    createPlayer(this);

    // The context menu: "Activer" reloads the movie; three "Fermer" on Esc, Space and Enter (the
    // main keyboard's and the keypad's).
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* reload = new QAction(tr("Activer"), this);
    reload->setObjectName("Activer1");
    connect(reload, &QAction::triggered, this, &TFormInfo::Activer1Click);
    addAction(reload);
    const QList<QKeySequence> keys[] = {{Qt::Key_Escape}, {Qt::Key_Space}, {Qt::Key_Enter, Qt::Key_Return}};
    for (int i = 0; i < 3; ++i) {
        auto* close = new QAction(tr("Fermer"), this);
        close->setObjectName(QStringLiteral("Fermer%1").arg(i + 1));
        close->setShortcuts(keys[i]);
        close->setShortcutContext(Qt::WindowShortcut);
        connect(close, &QAction::triggered, this, &QDialog::close);
        addAction(close);
    }
}

void TFormInfo::Activer1Click()
{
    Flash->setMovie(moviePath(movieFile));
    Flash->GotoFrame(Tag);
}

void TFormInfo::FlashFSCommand(const QString& command, const QString&)
{
    if (command == "fermer") {
        close();
    }
}

void TFormInfo::keyPressEvent(QKeyEvent* event)
{
    // A character that reaches the window rather than the movie closes it.
    if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormInfo::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        move((screen_.width() - width()) / 2, (screen_.height() - height()) / 2);
    }
    QDialog::showEvent(event);
}
