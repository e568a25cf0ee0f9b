// The main window's menu bar: every item with its component name, caption, shortcut key and
// handler. Hidden items are not shown, but their shortcut keys work; disabled ones do nothing.
// Where an item has two keys, the menu shows the first: "Enter" stands for both Enter keys. Every menu
// and item has its underlined letter, unique within its menu in each language; "Affichage" takes
// its "h", since Alt+A reveals the hidden menu; "Purger" its "u", leaving "p" free in "Affichage".

#include "window/TFormmodel.h"

#include "window/ClassWork.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

using Handler = void (TFormmodel::*)();

struct Item
{
    const char* component;
    QString caption;
    QList<QKeySequence> shortcuts;
    Handler handler;
};

} // namespace

void TFormmodel::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    const auto menu = [this](QMenu* parent, const char* component, const QString& caption) {
        QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        m->setObjectName(component);
        m->menuAction()->setObjectName(component);
        return m;
    };
    // Actions are also given to the window, so that their shortcut keys work while their menu is
    // hidden.
    const auto action = [this](const Item& item) {
        auto* a = new QAction(item.caption, this);
        a->setObjectName(item.component);
        a->setShortcuts(item.shortcuts);
        connect(a, &QAction::triggered, this, item.handler);
        addAction(a);
        return a;
    };
    const auto add = [&](QMenu* m, const Item& item) {
        QAction* a = action(item);
        m->addAction(a);
        return a;
    };
    // Hidden: in no menu, only the window's, with the menu's name kept for reference.
    const auto addHidden = [&](QMenu* m, const Item& item) {
        QAction* a = action(item);
        a->setProperty("hiddenItem", true);
        a->setProperty("menu", m->objectName());
        return a;
    };
    const auto radioGroup = [this](const char* name) {
        auto* group = new QActionGroup(this);
        group->setObjectName(name);
        group->setExclusive(true);
        return group;
    };
    const auto addRadio = [&](QMenu* m, QActionGroup* group, const Item& item, bool checked) {
        QAction* a = add(m, item);
        a->setCheckable(true);
        a->setChecked(checked);
        group->addAction(a);
        return a;
    };

    QMenu* fichier = menu(nullptr, "Quitter1", tr("&Fichier"));
    classWork_->addFileItems(fichier);
    add(fichier, {"Chargerlesvaleurspardfaut1",
                  tr("&Charger les valeurs par défaut"),
                  {},
                  &TFormmodel::Chargerlesvaleurspardfaut1Click});
    fichier->addSeparator()->setObjectName("N1");
    add(fichier, {"Quitter2",
                  tr("&Quitter ce logiciel"),
                  {QKeySequence(Qt::ALT | Qt::Key_F4)},
                  &TFormmodel::Quitter1Click});

    QMenu* modele = menu(nullptr, "Modle1", tr("&Modèle"));
    add(modele, {"recommencer1",
                 tr("&Démarrer / recommencer"),
                 {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)},
                 &TFormmodel::recommencer1Click});
    add(modele, {"Pause1", tr("&Pause / reprise"), {QKeySequence(Qt::Key_Space)}, &TFormmodel::Pause1Click});
    add(modele, {"Arrter1", tr("&Arrêter"), {QKeySequence(Qt::Key_Escape)}, &TFormmodel::Arrter1Click});
    QMenu* reaction = menu(modele, "Raction1", tr("&Réaction"));
    QActionGroup* reactions = radioGroup("reactionGroup50");
    reactionItems_[1] = addRadio(
        reaction, reactions,
        {"Hydrolysedulactose1", tr("Hydrolyse du &lactose"), {}, &TFormmodel::Hydrolysedulactose1Click},
        true);
    reactionItems_[2] = addRadio(
        reaction, reactions,
        {"Synthsedulactose1", tr("&Synthèse du lactose"), {}, &TFormmodel::Synthsedulactose1Click}, false);
    reactionItems_[3] = addRadio(
        reaction, reactions,
        {"Hydrolysedumaltose1", tr("Hydrolyse du &maltose"), {}, &TFormmodel::Hydrolysedumaltose1Click},
        false);
    reactionItems_[4] = addRadio(
        reaction, reactions,
        {"Hydrolysedelamylose1", tr("Hydrolyse de l'&amylose"), {}, &TFormmodel::Hydrolysedelamylose1Click},
        false);

    // The box's volume, for the next start.
    QMenu* volumes = menu(modele, "Volumedelaboite1", tr("&Volume de la boîte"));
    QActionGroup* volumeGroup = radioGroup("volumeGroup");
    // Each with its own underlined figure, for the keyboard.
    const auto volumeCaption = [this](std::int32_t percent) {
        switch (percent) {
        case 25:
            return tr("&25\u00a0%");
        case 50:
            return tr("&50\u00a0%");
        case 100:
            return tr("&100\u00a0%");
        case 200:
            return tr("20&0\u00a0%");
        default:
            return tr("&400\u00a0%");
        }
    };
    for (std::size_t i = 0; i < velmora::boxVolumes.size(); ++i) {
        const std::int32_t percent = velmora::boxVolumes[i].percent;
        auto* item = new QAction(volumeCaption(percent), this);
        item->setObjectName(QStringLiteral("Volume%1").arg(percent));
        item->setCheckable(true);
        item->setChecked(percent == velmora::defaultVolume);
        connect(item, &QAction::triggered, this, [this, percent] { volumeClick(percent); });
        volumeGroup->addAction(item);
        volumes->addAction(item);
        volumeItems_[i] = item;
    }

    QMenu* affichage = menu(nullptr, "Performances1", tr("Affic&hage"));
    add(affichage, {"purger1",
                    tr("P&urger les produits"),
                    {QKeySequence(Qt::SHIFT | Qt::Key_P)},
                    &TFormmodel::purger1Click});
    QMenu* products =
        menu(affichage, "Nombremaximaldeproduitslcran1", tr("&Nombre maximal de produits à l'écran :"));
    QActionGroup* maxima = radioGroup("maxProductsGroup2");
    addRadio(products, maxima, {"N101", "10", {}, &TFormmodel::N101Click}, false);
    addRadio(products, maxima, {"N201", "20", {}, &TFormmodel::N201Click}, false);
    addRadio(products, maxima, {"N501", "50", {}, &TFormmodel::N501Click}, false);
    addRadio(products, maxima, {"N1001", "100", {}, &TFormmodel::N1001Click}, true);
    addRadio(products, maxima, {"N2001", "200", {}, &TFormmodel::N2001Click}, false);
    addRadio(products, maxima, {"N4001", "400", {}, &TFormmodel::N4001Click}, false);
    QMenu* symbols = menu(affichage, "Modedereprsentation1", tr("&Mode de représentation"));
    QActionGroup* sizes = radioGroup("symbolGroup3");
    Grandssymboles1 =
        addRadio(symbols, sizes,
                 {"Grandssymboles1", tr("&Grands symboles"), {}, &TFormmodel::Grandssymboles1Click}, true);
    Petitssymboles1 =
        addRadio(symbols, sizes,
                 {"Petitssymboles1", tr("&Petits symboles"), {}, &TFormmodel::Petitssymboles1Click}, false);
    addHidden(affichage, {"changelegende1", "changelegende", {}, &TFormmodel::changelegende1Click});
    classWork_->addViewItems(affichage);

    Cache1 = menu(nullptr, "Cache1", tr("&Cache"));
    Cache1->menuAction()->setVisible(false);
    add(Cache1, {"Recalcdenat1", "Recalcdenat", {}, &TFormmodel::Recalcdenat1Click});
    add(Cache1, {"recalccharge1", "recalccharge", {}, &TFormmodel::recalccharge1Click});
    add(Cache1, {"afficherfps1",
                 "afficherfps",
                 {QKeySequence(Qt::SHIFT | Qt::Key_F)},
                 &TFormmodel::afficherfps1Click})
        ->setCheckable(true);
    add(Cache1, {"effacerecran1", "effacerecran", {}, &TFormmodel::effacerecran1Click});
    add(Cache1, {"affichermenucach1",
                 tr("afficher menu caché"),
                 {QKeySequence(Qt::ALT | Qt::Key_A)},
                 &TFormmodel::affichermenucach1Click});
    add(Cache1, {"rafrachir1", tr("rafraîchir"), {QKeySequence(Qt::Key_F5)}, &TFormmodel::rafrachir1Click});
    add(Cache1, {"avancedansgraphe1", "avancedansgraphe", {}, &TFormmodel::avancedansgraphe1Click});
    add(Cache1, {"rafraichircommentaire1",
                 "rafraichircommentaire",
                 {QKeySequence(Qt::Key_R)},
                 &TFormmodel::rafraichircommentaire1Click});
    add(Cache1, {"suspendrexp1", "suspendre", {}, &TFormmodel::suspendrexp1Click});

    QMenu* options = menu(nullptr, "Options1", tr("Options"));
    options->menuAction()->setEnabled(false);
    options->menuAction()->setVisible(false);

    QMenu* aide = menu(nullptr, "Aide1", tr("&En savoir plus sur"));
    addHidden(aide, {"plus1", "plus", {QKeySequence(Qt::Key_F1)}, &TFormmodel::plus1Click});
    add(aide, {"laractiondhydrolysedulactose1",
               tr("la &réaction d'hydrolyse du lactose"),
               {},
               &TFormmodel::laractiondhydrolysedulactose1Click});
    add(aide, {"lemcanismedelacatalyseenzymatique1",
               tr("le &mécanisme de la catalyse enzymatique"),
               {},
               &TFormmodel::lemcanismedelacatalyseenzymatique1Click});

    QAction* empty = bar->addAction(QString());
    empty->setObjectName("testi1");
    empty->setEnabled(false);

    QAction* credit = bar->addAction(tr("Velmora v2 — modélisation de l'activité enzymatique"));
    credit->setObjectName("credit");
}
