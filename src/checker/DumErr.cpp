#include "DumErr.h"

DumErr::~DumErr()
{
    emit doRemErr(errIds);
}
