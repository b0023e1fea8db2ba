#pragma once

#include "store/Connection.h"
#include "store/Tables.h"

#include <QString>
#include <array>

// The 23 connections, opened once at start-up and kept until the program ends.
class Store {
public:
    // Opens every file of `dataFolder` in the fixed order, creating a missing file with its table and
    // indexes. On the first file that cannot be opened it shows "Info" / "Ouverture data\<file> impossible!",
    // closes what it had opened, leaves the later files untouched and returns false.
    bool open(const QString &dataFolder);
    void close();
    bool isOpen() const { return m_open; }

    Connection &at(Db db) { return m_connections[static_cast<int>(db)]; }

private:
    std::array<Connection, DatabaseCount> m_connections; // closed until opened
    QString m_folder;
    bool m_open = false;
};

Store &store();

// The connection of one file, as every statement of the program reaches it.
inline Connection &db(Db which) {
    return store().at(which);
}

// The data folder inside a working folder.
QString dataFolderOf(const QString &workingFolder);
