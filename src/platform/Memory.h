#pragma once

// The C library keeps the heap pages a closed window freed, to reuse them; a long session that opens
// and closes large windows (every patient, years of acts) then holds their peak for good. This hands
// them back to the system.
namespace Memory {
void releaseFreedPages();
}
