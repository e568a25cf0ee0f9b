#include "window/ScreenScale.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <cmath>

double qtPartsScale(QSize size, double devicePixelRatio, bool userChoseScaling)
{
    if (userChoseScaling || devicePixelRatio > 1.0 || size.width() <= 2 * 1440) {
        return 1.0;
    }
    return std::floor(2.0 * size.width() / 1920.0) / 2.0;
}

void scaleQtParts(QMainWindow& window, QSize screen)
{
    const bool userChose = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ||
                           qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS") ||
                           qEnvironmentVariableIsSet("QT_FONT_DPI");
    const QScreen* shown = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const double factor = qtPartsScale(screen, shown ? shown->devicePixelRatio() : 1.0, userChose);
    if (factor == 1.0) {
        return;
    }
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * factor);
    QApplication::setFont(font);
    QFont menus = window.menuBar()->font();
    menus.setPointSizeF(menus.pointSizeF() * factor);
    window.menuBar()->setFont(menus);
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
        menu->setFont(font);
    }
}
