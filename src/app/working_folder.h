// Where the program keeps the files the user changes (config.ini and the six
// catalogues). A folder the user may write into (the build folder, an unpacked
// copy) is used as it is; an installed program's folder is read-only, so the
// program then works in the user's data folder, $XDG_DATA_HOME/noktaris (by
// default ~/.local/share/noktaris), filled from the delivered files on its first
// start. Pictures, help pages and the updater are always read from the program's
// folder.
#pragma once

#include <QString>
#include <QStringList>

namespace noktaris {

struct WorkingFolder {
    QString path; // the folder to make the working directory
    bool inUserFolder = false;
    QStringList copied; // delivered files copied there at this start (program paths)
    QString problem;    // in Czech, when the user's folder could not be prepared
};

// $XDG_DATA_HOME/noktaris when XDG_DATA_HOME is an absolute path, else
// $HOME/.local/share/noktaris.
QString userDataFolder();

// Chooses the working folder for a program in programFolder and, for the user's
// folder, copies config.ini and the catalogues that are missing there (a file the
// user already has is never replaced). When the user's folder cannot be made, the
// program's folder is kept and `problem` says why.
WorkingFolder prepareWorkingFolder(const QString& programFolder);

// Copies a delivered file (a program path, "data\\Kamery.dat") from the program's
// folder into the working folder when the two differ and the working folder lacks
// it. false when a copy was needed and failed; a missing delivered file copies
// nothing (the program reports it where it reads it).
bool copyMissingDelivered(const QString& file, const QString& programFolder, const QString& workingFolder);

} // namespace noktaris
