#include "KorvelResources.h"

#include <QtGlobal>

void initKorvelResources()
{
    Q_INIT_RESOURCE(korvel);
}
