#pragma once

#include <QString>

// Patient data is readable by its owner alone: the data folder and what the program writes there,
// and its backups, are owner-only (folders 0700, files 0600), whatever the user's umask.
namespace FilePrivacy {

// Every file and folder the process creates from now on is owner-only.
void restrictNewFilesToOwner();

// Creates the folder (and its parents) if needed; the folder itself ends owner-only. False when it
// cannot be created.
bool makeOwnerOnlyFolder(const QString &path);

// Creates an empty owner-only file if nothing is there yet; false when it cannot.
bool createOwnerOnlyFile(const QString &path);

// Takes group and other rights away from a file or folder of the user's that has them. A file of
// another account, or one that cannot be changed, is left as it is.
void tightenToOwner(const QString &path);

} // namespace FilePrivacy
