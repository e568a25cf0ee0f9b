#include "files/SaveErrors.h"

#include "files/WriterProtocol.h"

#include <QCoreApplication>

#include <cups/cups.h>

#include <cerrno>

namespace {

std::string translated(const char* reason)
{
    return QCoreApplication::translate("FileWriter", reason).toStdString();
}

} // namespace

std::string errorReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "l’accès au dossier ou au fichier est refusé"));
    case EROFS:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le disque n’accepte pas d’écriture"));
    case ENOSPC:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le disque est plein"));
    case EDQUOT:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le quota de disque est atteint"));
    case EFBIG:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le fichier serait trop grand"));
    case ENOENT:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le dossier n’existe pas"));
    case ENOTDIR:
        return translated(
            QT_TRANSLATE_NOOP("FileWriter", "le chemin passe par un fichier qui n’est pas un dossier"));
    case EISDIR:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "c’est un dossier"));
    case writer::notRegularFile:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "ce n’est pas un fichier ordinaire"));
    case ENAMETOOLONG:
        return translated(QT_TRANSLATE_NOOP(
            "FileWriter", "le nom est trop long pour le disque (255 octets au plus par nom)"));
    case EINVAL:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le nom n’est pas valable"));
    case EIO:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le disque a signalé une erreur"));
    case ELOOP:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le chemin passe par trop de liens symboliques"));
    case EMFILE:
    case ENFILE:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "trop de fichiers sont ouverts"));
    case ENOMEM:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "la mémoire manque"));
    case EBUSY:
    case ETXTBSY:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le fichier est occupé par un autre programme"));
    case EXDEV:
        return translated(
            QT_TRANSLATE_NOOP("FileWriter", "le fichier est sur un autre disque que son dossier"));
    case ESTALE:
    case ENOTCONN:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ETIMEDOUT:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le partage réseau ne répond plus"));
    case writer::writerGone:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le programme d’écriture s’est arrêté"));
    case writer::noAnswer:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le programme d’écriture ne répond plus"));
    case writer::workbookFailed:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le classeur n’a pas pu être constitué"));
    case writer::readOnlyFile:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "le fichier existant est en lecture seule"));
    case writer::danglingLink:
        return translated(QT_TRANSLATE_NOOP("FileWriter", "c’est un lien vers un fichier qui n’existe pas"));
    default:
        return QCoreApplication::translate("FileWriter", "erreur du système numéro %1")
            .arg(error)
            .toStdString();
    }
}

std::string saveErrorText(const std::string& path, int error)
{
    return QCoreApplication::translate("FileWriter",
                                       "Le fichier «\u00a0%1\u00a0» n’a pas pu être enregistré\u00a0: %2")
        .arg(QString::fromStdString(path), QString::fromStdString(errorReason(error)))
        .toStdString();
}

std::string printErrorText(const std::string& printer, int error)
{
    const QString name = printer.empty()
                             ? QCoreApplication::translate("FileWriter", "l’imprimante par défaut")
                             : QString::fromStdString(printer);
    if (error == writer::writerGone || error == writer::noAnswer) {
        return QCoreApplication::translate("FileWriter",
                                           "L’impression sur «\u00a0%1\u00a0» a échoué\u00a0: %2")
            .arg(name, QString::fromStdString(errorReason(error)))
            .toStdString();
    }
    return QCoreApplication::translate("FileWriter",
                                       "L’impression sur «\u00a0%1\u00a0» a échoué\u00a0: le système "
                                       "d’impression a refusé le document (%2)")
        .arg(name, QString::fromUtf8(cupsLastErrorString()))
        .toStdString();
}
