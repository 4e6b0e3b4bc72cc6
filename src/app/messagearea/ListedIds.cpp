#include "ListedIds.h"

#include <cstddef>

using std::size_t;

int ListedIds::take()
{
    const int id = next();
    if (size_t(id) >= listed.size())
        listed.resize(size_t(id) + 1, false);
    listed[size_t(id)] = true;
    largest = id;
    return id;
}

bool ListedIds::release(int id)
{
    if (id < 0 || size_t(id) >= listed.size() || !listed[size_t(id)])
        return false;
    listed[size_t(id)] = false;
    while (largest > 1 && !listed[size_t(largest)])
        --largest;
    return true;
}
