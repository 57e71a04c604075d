#pragma once

// The DataType of the last "<Document" line read. It is process-wide on purpose: a data file
// without a DataType of its own is read with the type of the one read before it.
int CurrentDataType();
void SetCurrentDataType(int dataType);
// Back to the start-up value 0 (tests).
void ResetCurrentDataType();
