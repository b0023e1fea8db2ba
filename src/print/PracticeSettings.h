#pragma once

#include "print/PracticeDetails.h"

#include <QString>

// The practice details live in a small file of the data folder, so that a backup carries them.
namespace PracticeSettings {

// The file's name inside the data folder.
inline constexpr const char *FileName = "cabinet.json";

enum class ReadResult { Read, Missing, Damaged };

// Reads the details from a file; `details` is only changed when the result is Read. An empty file
// (an earlier write that never completed) counts as missing.
ReadResult read(const QString &path, PracticeDetails &details);

// Writes the details to a file readable by its owner alone, replacing the old file only once the new one
// is complete. False when it could not be written; the old file then stays as it was.
bool write(const QString &path, const PracticeDetails &details);

// At start-up: remembers the data folder and makes its details the printed ones. A missing file gives the
// sample practice; a damaged one is reported in an "Info" message and the sample is used, the file left as
// it is until the details are saved again.
void load(const QString &dataFolder);

// Saves the details into the data folder read at start-up and makes them the printed ones. On failure an
// "Erreur" message is shown, and the printed details stay as they were.
bool save(const PracticeDetails &details);

} // namespace PracticeSettings
