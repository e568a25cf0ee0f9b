#include "flash/TFormFlash.h"

#include "flash/TShockwaveFlash.h"

#include <QFrame>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <utility>

TFormFlash::TFormFlash(const QString& folder, QSize screen, QWidget* parent) : MovieViewer(folder, parent)
{
    setObjectName("FormFlash");
    setWindowTitle(tr("Catalyse enzymatique"));
    setGeometry(0, 0, screen.width(), screen.height());
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::NoFrame);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Panel1);
    createPlayer(Panel1);
}

void TFormFlash::Activer1Click()
{
    Flash->setMovie(moviePath(movieFile));
    tellModelAnswers();
    Flash->GotoFrame(1);
}

void TFormFlash::setModelAnswersHidden(bool hidden)
{
    modelAnswersHidden_ = hidden;
}

void TFormFlash::tellModelAnswers()
{
    if (Flash->movieRoot()) {
        Flash->SetVariable("reponsesmodelecachees", modelAnswersHidden_ ? "1" : "0");
    }
}

void TFormFlash::FlashFSCommand(const QString& command, const QString& args)
{
    if (command == "fermerplus") {
        close();
        return;
    }
    // Leaving the menu for a topic: remember where the student was in it.
    if (Flash->movie().contains("ensavoirplus")) {
        savedLastf = Flash->GetVariable("lastf");
    }
    if (command == "essayer") {
        requestedPreset = args;
        close();
        return;
    }
    static const std::pair<const char*, const char*> topics[] = {
        {"hydrolyselactose", "hydrolyselactose.swf"},
        {"mecanisme", "mecanisme.swf"},
        {"lactose", "lactose.swf"},
        {"lactose3d", "lactose3d.swf"},
        {"velmora", "velmora.swf"},
        {"utilitelugol", "eauiodee.swf"},
        {"fehling", "liqueurfehling.swf"},
    };
    for (const auto& [name, file] : topics) {
        if (command == name) {
            Flash->setMovie(moviePath(file));
            tellModelAnswers();
        }
    }
    if (command == "retourmenu") {
        if (Tag == 1) {
            Flash->setMovie(moviePath("ensavoirplus.swf"));
            tellModelAnswers();
            Flash->SetVariable("lastf", savedLastf);
            Flash->Rewind();
            Flash->Play();
        } else {
            close();
        }
    }
}

void TFormFlash::keyPressEvent(QKeyEvent* event)
{
    event->ignore(); // no key of the window's own but Esc (MovieViewer), not even the dialog's Enter
}
