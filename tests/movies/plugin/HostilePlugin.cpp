// The native part of a hostile movie folder: a QML extension plugin, as a movie's author could
// ship one beside a movie. Were it ever mapped into the process, its code would run there; it only
// marks that it did.

#include <QQmlEngineExtensionPlugin>

#include <cstdlib>

__attribute__((constructor)) static void markThatItRan()
{
    setenv("VELMORA_HOSTILE_PLUGIN_RAN", "1", 1);
}

class HostilePlugin : public QQmlEngineExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlEngineExtensionInterface_iid)
};

#include "HostilePlugin.moc"
