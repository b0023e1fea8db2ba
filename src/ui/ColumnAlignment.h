#pragma once

class ReportList;

// Alignment of one list column, header and cells: kind 1 right, 2 centred, anything else left.
void SetColumnAlignment(ReportList *list, int column, int kind);
