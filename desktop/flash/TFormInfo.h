#pragma once

#include "flash/MovieViewer.h"

#include <QSize>

// The centred viewer ("Uinfo"): the explanation of the graph, starting at frame Tag. Esc, Space or
// Enter, a character key reaching the window, its context menu or its movie's "fermer" close it.
class TFormInfo : public MovieViewer
{
    Q_OBJECT
public:
    TFormInfo(const QString& movieDir, QSize screen, QWidget* parent = nullptr);

public slots:
    // Loads movieFile at frame Tag.
    void Activer1Click();
    void FlashFSCommand(const QString& command, const QString& args) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QSize screen_;
    bool centred_ = false;
};
