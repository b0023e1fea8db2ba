#pragma once

#include <QtGlobal>

// The largest patient code in use anywhere: in the patient table and in every table of acts, so a
// deleted patient's code, whose acts may remain, is never given to someone else. Each read is an
// indexed max(). A read the store refuses has shown its message and sets *ok to false.
qint64 largestPatientCodeInUse(bool *ok);
