#include "report/data_type_state.h"

namespace
{
int g_currentDataType = 0;
}

int CurrentDataType()
{
    return g_currentDataType;
}
void SetCurrentDataType(int dataType)
{
    g_currentDataType = dataType;
}
void ResetCurrentDataType()
{
    g_currentDataType = 0;
}
